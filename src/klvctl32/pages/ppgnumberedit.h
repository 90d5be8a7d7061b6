#pragma once
// ppgNumberEdit: the number edit's "General" page, one field a property, read
// from and written to the first selected control by name.

#include "klvctl32/pages/control_page.h"

namespace kelvo::klvctl32 {

class NumberEditPage final : public ControlPage {
 public:
  NumberEditPage();

  void ApplyChanges() override;

 protected:
  void Build() override;
  void Load() override;

 private:
  // The number at the start of a field's text, 0 when there is none.
  double NumberIn(std::u16string_view box, std::u16string_view point);
};

}  // namespace kelvo::klvctl32

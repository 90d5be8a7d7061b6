#pragma once
// ppgButtons: the "General" page of both buttons. It reads and writes the
// first selected button's members by name; a member that fails to read or
// write is skipped and the rest go on.

#include <cstdint>
#include <optional>

#include "klvctl32/pages/control_page.h"

namespace kelvo::klvctl32 {

class ButtonsPage final : public ControlPage {
 public:
  ButtonsPage();

  void ApplyChanges() override;
  void FieldClick(std::u16string_view name, std::optional<int> index) override;

 protected:
  void Build() override;
  void Load() override;

 private:
  // The chosen picture size and position options.
  std::int16_t SelectedSize = 0;
  std::int16_t SelectedPosition = 0;
};

}  // namespace kelvo::klvctl32

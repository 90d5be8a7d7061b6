#pragma once
// ppgTextEdit: the text edit's "General" page. It reads and writes the first
// selected control's members by name, so every setter runs with its side
// effects, in the order the fields are listed.

#include "klvctl32/pages/control_page.h"
#include "platform/win/types.h"

namespace kelvo::klvctl32 {

class TextEditPage final : public ControlPage {
 public:
  TextEditPage();

  void Create(win::HWND parent, forms::IPropertyPageSite* site) override;
  void ApplyChanges() override;

 protected:
  void Build() override;
  void Load() override;

 private:
  // A length that is not a 16-bit number is reported and left unassigned.
  void StoreMaxLength();

  win::HWND parent_ = 0;
};

}  // namespace kelvo::klvctl32

// The context menu `MenuEditar` and its clipboard operations. Cut and copy
// write the number in the Value notation; paste types the clipboard's
// characters one by one through the whole KeyPress handling.
#include <string>

#include "klvctl32/editfield/edit_keys.h"
#include "klvctl32/numberedit/numberedit_model.h"
#include "platform/base/text.h"

namespace kelvo::klvctl32 {

const EditMenu& NumberEditModel::PrepareMenu() {
  const bool editable = !state_.Locked;
  EditMenu& items = state_.Menu;
  items[menu::kCut].Enabled = state_.AllSelected && editable;
  items[menu::kCopy].Enabled = state_.AllSelected;
  items[menu::kPaste].Enabled = !view_.ClipboardText().empty() && editable;
  items[menu::kDelete].Enabled = state_.Text.find_first_not_of(u' ') != std::u16string::npos && editable;
  items[menu::kSelectAll].Enabled = !state_.AllSelected;
  return items;
}

void NumberEditModel::Menu_Click(std::int16_t index) {
  RunEditMenuItem(index, {.cut = [this] { Cut(); },
                          .copy = [this] { Copy(); },
                          .paste = [this] { Paste(); },
                          .erase = [this] { PressDelete(); },
                          .selectAll = [this] { SelectAll(); }});
}

void NumberEditModel::Cut() {
  view_.SetClipboardText(ValueNotation(Value()));
  state_.Text.clear();
  Redraw();
}

void NumberEditModel::Copy() {
  view_.SetClipboardText(ValueNotation(Value()));
  Redraw();
  SelectAll();
}

// The Delete key's whole handling, its event included.
void NumberEditModel::PressDelete() {
  std::int16_t keyCode = key::kDelete;
  std::int16_t shift = shift_state::kNone;
  KeyDown(keyCode, shift);
}

void NumberEditModel::Paste() {
  {
    FlagScope pasting(state_.Pasting);
    const std::u16string pasted = view_.ClipboardText();
    state_.Text.clear();
    for (const char16_t c : pasted) {
      std::int16_t keyAscii = text::ToAnsi(c);
      KeyPress(keyAscii);
    }
  }
  Redraw();
}

}  // namespace kelvo::klvctl32

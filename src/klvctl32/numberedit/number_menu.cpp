// The context menu `MenuEditar` and its clipboard operations. Cut and copy
// write the number in the Value notation; paste types the clipboard's
// characters one by one through the whole KeyPress handling.
#include <string>

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
  switch (index) {
    case menu::kCut:
      view_.SetClipboardText(ValueNotation(Value()));
      state_.Text.clear();
      Redraw();
      break;
    case menu::kCopy:
      view_.SetClipboardText(ValueNotation(Value()));
      Redraw();
      SelectAll();
      break;
    case menu::kPaste:
      Paste();
      break;
    case menu::kDelete: {
      std::int16_t keyCode = 46;
      std::int16_t shift = 0;
      KeyDown(keyCode, shift);
      break;
    }
    case menu::kSelectAll:
      SelectAll();
      break;
    default:
      break;
  }
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

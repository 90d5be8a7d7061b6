// The context menu: which clipboard items are enabled, and what each does.

#include <string>

#include "klvctl32/editfield/edit_keys.h"
#include "klvctl32/textedit/narrow16.h"
#include "klvctl32/textedit/string_slices.h"
#include "klvctl32/textedit/textedit_model.h"
#include "platform/base/text.h"

namespace kelvo::klvctl32 {

const SubItemMenuArray& TextEditModel::PrepareContextMenu() {
  const bool selected = HasSelection();
  const bool editable = !state_.Locked;
  auto& items = state_.SubItemMenu;
  items[menu::kCut].Enabled = selected && editable;
  items[menu::kCopy].Enabled = selected;
  items[menu::kPaste].Enabled = !view_.ClipboardText().empty() && editable;
  items[menu::kDelete].Enabled = selected && editable;
  return items;
}

// Delete runs the Delete key's handling, event included.
void TextEditModel::SubItemMenu_Click(std::int16_t index) {
  RunEditMenuItem(index, {.cut = [this] { Cut(); },
                          .copy = [this] { Copy(); },
                          .paste = [this] { Paste(); },
                          .erase =
                              [this] {
                                std::int16_t keyCode = key::kDelete;
                                std::int16_t shift = shift_state::kNone;
                                KeyDown(keyCode, shift);
                              },
                          .selectAll = [this] { DblClick(); }});
}

void TextEditModel::Cut() {
  view_.SetClipboardText(SelectedRawText());
  std::u16string nothing;
  InsertText(nothing);
  view_.PlaceCaret();
  ClearSelection();
  view_.RedrawText();
}

void TextEditModel::Copy() {
  view_.SetClipboardText(SelectedRawText());
  if (state_.AnchorSet) {
    state_.SelLength = Narrow16(state_.CursorPos - state_.SelStart);
    view_.RedrawText();
    view_.DrawSelectionRange(state_.SelStart, state_.SelLength);
  } else {
    view_.RedrawText();
  }
}

// Types the clipboard's first MaxLength characters one by one, each raising
// KeyPress and tested against the mask.
void TextEditModel::Paste() {
  const std::u16string pasted = LeftChars(view_.ClipboardText(), state_.MaxLength);
  {
    FlagScope pasting(state_.Pasting);
    for (const char16_t c : pasted) {
      std::int16_t keyAscii = text::ToAnsi(c);
      KeyPress(keyAscii);
    }
  }
  view_.FormatAndPrint();
  view_.PlaceCaret();
}

}  // namespace kelvo::klvctl32

// The keyboard handlers: KeyPress types, KeyDown moves, deletes, selects with
// Shift and runs the clipboard shortcuts, KeyUp only raises its event.

#include <string>

#include "klvctl32/editfield/edit_keys.h"
#include "klvctl32/textedit/narrow16.h"
#include "klvctl32/textedit/string_slices.h"
#include "klvctl32/textedit/textedit_model.h"
#include "platform/base/text.h"

namespace kelvo::klvctl32 {

namespace {

bool IsCharacterCode(int code) { return code >= 32 && code <= 255; }

}  // namespace

void TextEditModel::KeyPress(std::int16_t& keyAscii) {
  view_.RaiseKeyPress(keyAscii);
  if (!IsCharacterCode(keyAscii)) return;
  std::u16string s(1, text::FromAnsi(static_cast<std::uint8_t>(keyAscii)));
  if (!InsertText(s)) return;
  ClearSelection();
  std::int16_t keyCode = 0;
  std::int16_t shift = shift_state::kNone;
  KeyDown(keyCode, shift);
}

void TextEditModel::KeyDown(std::int16_t& keyCode, std::int16_t& shift) {
  view_.RaiseKeyDown(keyCode, shift);
  if (shift == shift_state::kCtrl && keyCode == key::kInsert) {
    if (state_.SubItemMenu[menu::kCopy].Enabled) SubItemMenu_Click(menu::kCopy);
    return;
  }
  if (shift >= shift_state::kCtrl) return;
  if (RunEditingKey(keyCode, shift)) ExtendSelectionByShift(shift);
}

bool TextEditModel::RunEditingKey(std::int16_t keyCode, std::int16_t shift) {
  switch (keyCode) {
    case key::kLeft:
      MoveCaret(-1, false);
      return true;
    case key::kRight:
      MoveCaret(1, true);
      return true;
    case key::kHome:
      SetPosition(0);
      return true;
    case key::kEnd:
      SetPosition(Narrow16(RTrimLen(state_.StoredText)));
      return true;
    case key::kDelete:
      if (state_.Locked) return false;
      if (shift == shift_state::kNone) DeleteForward();
      if (shift == shift_state::kShift && HasSelection()) SubItemMenu_Click(menu::kCut);
      return true;
    case key::kBack:
      if (state_.Locked) return false;
      if (state_.CursorPos > FirstEditablePos() - 1 || HasSelection()) {
        MoveCaret(-1, false);
        DeleteForward();
      }
      return true;
    case key::kInsert:
      if (shift == shift_state::kShift) SubItemMenu_Click(menu::kPaste);
      return true;
    default:
      // Typing is KeyPress's; the Shift key itself, Tab and Enter go on.
      return !IsCharacterCode(keyCode);
  }
}

void TextEditModel::ExtendSelectionByShift(std::int16_t shift) {
  if (shift == shift_state::kShift) {
    if (!state_.AnchorSet) {
      state_.AnchorSet = true;
      state_.SelStart = state_.CursorPos;
    }
    state_.SelLength = Narrow16(state_.CursorPos - state_.SelStart);
    view_.RedrawText();
    view_.DrawSelectionRange(state_.SelStart, state_.SelLength);
  } else if (shift == shift_state::kNone && state_.AnchorSet) {
    ClearSelection();
    view_.RedrawText();
  }
}

void TextEditModel::KeyUp(std::int16_t& keyCode, std::int16_t& shift) { view_.RaiseKeyUp(keyCode, shift); }

}  // namespace kelvo::klvctl32

// The calculator keyboard: digits, sign and separator keys append to the end
// of Text, Delete and Backspace remove its last character, and an entry over
// a selected number replaces it.
#include <string>

#include "klvctl32/editfield/edit_keys.h"
#include "klvctl32/numberedit/numberedit_model.h"

namespace kelvo::klvctl32 {

namespace {

// Characters KeyPress handles besides the digits.
namespace ascii {
inline constexpr std::int16_t kBack = 8;
inline constexpr std::int16_t kEscape = 27;
inline constexpr std::int16_t kPlus = 43;
inline constexpr std::int16_t kComma = 44;
inline constexpr std::int16_t kMinus = 45;
inline constexpr std::int16_t kPeriod = 46;
}  // namespace ascii

std::u16string_view Trimmed(std::u16string_view s) {
  const std::size_t first = s.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(u' ') - first + 1);
}

bool Contains(std::u16string_view s, std::u16string_view part) {
  return !part.empty() && s.find(part) != std::u16string_view::npos;
}

bool IsNavigationKey(std::int16_t code) {
  return code == key::kHome || code == key::kEnd || code == key::kLeft || code == key::kRight || code == key::kUp ||
         code == key::kDown;
}

}  // namespace

void NumberEditModel::KeyPress(std::int16_t& keyAscii) {
  view_.RaiseKeyPress(keyAscii);
  const std::int16_t k = keyAscii;
  if (state_.Locked) return;
  switch (k) {
    case ascii::kEscape:
      state_.Text = state_.SavedText;
      SelectAll();
      return;
    case ascii::kBack:
      return;
    case ascii::kPlus:
    case ascii::kMinus:
      if (!state_.AllowNegative) {
        view_.Beep();
      } else {
        SetSign(k == ascii::kMinus);
      }
      return;
    default:
      break;
  }
  if (DecPlaces(state_) > 0 && (k == ascii::kPeriod || k == ascii::kComma)) {
    if (!Contains(state_.Text, state_.DecSepChar)) {
      TypeSeparator();
      return;
    }
    // A second separator beeps here and again as a key that is no digit.
    view_.Beep();
  }
  if (k >= u'0' && k <= u'9') {
    TypeDigit(static_cast<char16_t>(k));
    return;
  }
  view_.Beep();
}

void NumberEditModel::DropSelectedNumber() {
  if (!state_.AllSelected) return;
  state_.Text.clear();
  state_.AllSelected = false;
}

// The minus key sets the sign and the plus key clears it; neither toggles.
void NumberEditModel::SetSign(bool negative) {
  DropSelectedNumber();
  const bool hasSign = state_.Text.starts_with(u'-');
  if (negative && !hasSign) state_.Text.insert(0, u"-");
  if (!negative && hasSign) state_.Text.erase(0, 1);
  Redraw();
}

void NumberEditModel::TypeSeparator() {
  DropSelectedNumber();
  if (Trimmed(state_.Text).empty()) state_.Text = u"0";
  state_.Text += state_.DecSepChar;
  Redraw();
}

void NumberEditModel::TypeDigit(char16_t digit) {
  if (state_.AllSelected) {
    DropSelectedNumber();
    Redraw();
  }
  std::u16string& text = state_.Text;
  const std::size_t p = state_.DecSepChar.empty() ? std::u16string::npos : text.find(state_.DecSepChar);
  const bool hasSeparator = p != std::u16string::npos;
  if (hasSeparator && static_cast<int>(text.size() - p) > DecPlaces(state_)) {
    view_.Beep();
    return;
  }
  const std::u16string_view trimmed = Trimmed(text);
  if (digit == u'0' && (trimmed == u"0" || trimmed == u"-0")) {
    view_.Beep();
    return;
  }
  if (digit != u'0' && trimmed == u"0") text.clear();
  if (digit != u'0' && trimmed == u"-0") text = u"-";
  const int limit = IntDigits(state_) + (text.starts_with(u'-') ? 1 : 0);
  if (!hasSeparator && static_cast<int>(text.size()) >= limit) {
    view_.Beep();
    return;
  }
  view_.MarkChanged(u"dcDataValue");
  text += digit;
  Redraw();
  RaiseChangedBetweenEvents();
}

void NumberEditModel::RaiseChangedBetweenEvents() {
  view_.ProcessPending();
  view_.RaiseChanged();
  view_.ProcessPending();
}

void NumberEditModel::KeyDown(std::int16_t& keyCode, std::int16_t& shift) {
  view_.RaiseKeyDown(keyCode, shift);
  if (state_.Locked) return;
  if (shift == shift_state::kCtrl && keyCode == key::kInsert && state_.Menu[menu::kCopy].Enabled) {
    Menu_Click(menu::kCopy);
  }
  if (shift != shift_state::kNone && shift != shift_state::kShift) return;
  if ((keyCode == key::kHome || keyCode == key::kEnd) && shift == shift_state::kShift) {
    SelectAll();
  } else if (keyCode == key::kInsert) {
    if (shift == shift_state::kShift && state_.Menu[menu::kPaste].Enabled) Menu_Click(menu::kPaste);
  } else if (keyCode == key::kDelete || keyCode == key::kBack) {
    RemoveLast();
  } else if (IsNavigationKey(keyCode)) {
    state_.AllSelected = false;
    Redraw();
  }
}

// Delete and Backspace both take the last character.
void NumberEditModel::RemoveLast() {
  view_.MarkChanged(u"dcDataValue");
  DropSelectedNumber();
  if (state_.Text.size() >= 2) {
    state_.Text.pop_back();
  } else {
    state_.Text.clear();
  }
  Redraw();
  RaiseChangedBetweenEvents();
}

void NumberEditModel::SelectAll() {
  if (Trimmed(state_.Text).empty()) return;
  Redraw();
  view_.DrawSelection();
  state_.AllSelected = true;
}

void NumberEditModel::DblClick() {
  view_.RaiseDblClick();
  state_.AllSelected = !state_.AllSelected;
  if (state_.AllSelected) {
    SelectAll();
  } else {
    Redraw();
  }
}

void NumberEditModel::EnterField() {
  state_.SavedText = state_.Text;
  if (state_.AutoSelect) SelectAll();
}

void NumberEditModel::LeaveField() {
  state_.AllSelected = false;
  view_.RedrawNumber(true);
  view_.RedrawNumber(false);
}

}  // namespace kelvo::klvctl32

#pragma once
// The number edit without its window: the number properties over the format
// model, and the calculator-like keyboard, whole-number selection, focus
// steps and context menu. Characters are only ever appended to or removed
// from the end of Text. Whatever reaches the outside world goes through the
// NumberEditView the control gives it.

#include <cstdint>
#include <string>
#include <string_view>

#include "klvctl32/numberedit/number_format.h"
#include "klvctl32/numberedit/numberedit_state.h"
#include "klvctl32/numberedit/numberedit_view.h"

namespace kelvo::klvctl32 {

class NumberEditModel {
 public:
  explicit NumberEditModel(NumberEditView& view) : view_(view) {}

  NumberEditState& State() { return state_; }
  const NumberEditState& State() const { return state_; }

  // --- Number properties ------------------------------------------------------

  // Text from a string with "." as point (the Text and dcDataValue setters
  // pass the runtime's string of the assigned value); marks "Text".
  void LetText(std::u16string_view value);
  // The value of Text; the control repaints after reading it.
  double Value() const { return ParseNumberText(state_, state_.Text); }
  // Marks "Text", not "Value".
  void LetValue(double value);
  // Repaints without completion and marks "dcDataValue".
  void LetdcDataValue(std::u16string_view value);
  void LetNumberFormat(std::int16_t value);
  // Values above 15 (integer digits) and 5 (decimals) are stored as the limit.
  void LetIntMaxLength(std::int16_t value);
  void LetDecMaxLength(std::int16_t value);
  void LetAllowNegative(bool value);
  void LetThSeparator(bool value);
  // Stored and marked; no repaint.
  void LetLocked(bool value);
  void LetAutoSelect(bool value);

  // --- Keyboard, selection, focus ---------------------------------------------

  void KeyPress(std::int16_t& keyAscii);
  void KeyDown(std::int16_t& keyCode, std::int16_t& shift);
  void KeyUp(std::int16_t& keyCode, std::int16_t& shift) { view_.RaiseKeyUp(keyCode, shift); }
  void SelectAll();
  void DblClick();
  // After the control created its caret and repainted: keeps the text for
  // Escape and selects it when AutoSelect is set.
  void EnterField();
  // Clears the selection and completes the text with two repaints.
  void LeaveField();

  // --- Context menu -----------------------------------------------------------

  // Enables the items for the selection, lock, clipboard and text.
  const EditMenu& PrepareMenu();
  void Menu_Click(std::int16_t index);

 private:
  void Redraw() { view_.RedrawNumber(false); }
  // An entry that replaces a selected number starts from an empty text.
  void DropSelectedNumber();
  void SetSign(bool negative);
  void TypeSeparator();
  void TypeDigit(char16_t digit);
  void RemoveLast();
  void RaiseChangedBetweenEvents();
  void Cut();
  void Copy();
  void PressDelete();
  void Paste();

  NumberEditView& view_;
  NumberEditState state_;
};

}  // namespace kelvo::klvctl32

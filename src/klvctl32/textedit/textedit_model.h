#pragma once
// The masked text edit without its window: the text-facing properties over
// the mask model, and the keyboard, selection and clipboard editing. Whatever
// reaches the outside world (events, repaints, caret, clipboard, beep) goes
// through the TextEditView the control gives it.
//
// Positions: CursorPos, SelStart and SelLength count characters of the
// formatted text (literals included), 0-based; mask positions are 1-based.

#include <cstdint>
#include <string>
#include <string_view>

#include "klvctl32/textedit/textedit_state.h"
#include "klvctl32/textedit/textedit_view.h"

namespace kelvo::klvctl32 {

class TextEditModel {
 public:
  explicit TextEditModel(TextEditView& view) : view_(view) {}

  TextEditState& State() { return state_; }
  const TextEditState& State() const { return state_; }

  // --- Text-facing properties -------------------------------------------

  // Applies the style to StoredText itself (upper, lower, left padding), cuts
  // it to MaxLength, repaints, and returns it with or without the literals and
  // without trailing spaces.
  std::u16string Text();
  // Takes an over-long value as raw characters cut to the placeholders. The
  // control passes a Null value as "". Raises no Changed.
  void LetText(std::u16string_view value);
  // Re-lays the raw text out against the new mask; raises MaxLength to the
  // mask's length when shorter.
  void LetMask(std::u16string_view value);
  void LetMaxLength(std::int16_t value);
  void LetIncludeLiterals(bool value);
  void LetTextStyle(kcTextStyle value);
  // Keeps only the first character of a longer value.
  void LetFillChar(std::u16string_view value);
  void LetDefaultValue(std::u16string_view value);
  void LetLocked(bool value);
  void LetAutoSelect(bool value);
  // The bindable value: StoredText as stored.
  const std::u16string& dcDataValue() const { return state_.StoredText; }
  void LetdcDataValue(std::u16string_view value);
  bool IsEmpty() const;
  std::u16string TextWithoutMask() const;
  // Tests Char against the placeholder at position and may rewrite it; beeps
  // when refusing, except at a literal position. position must be 1 or more
  // (com::Error 5 otherwise).
  bool IsValidChar(std::u16string& Char, std::int16_t position);

  // The mask routines the painting and focus handlers use.
  void FormatText();
  std::u16string DesignTemplate() const;
  int FirstEditablePos() const;
  // On leaving the control: left padding, then the default value for an empty
  // text.
  void CompleteOnLeave();

  // --- Caret ---------------------------------------------------------------

  // Moves the caret by delta over the literals and places it; does nothing
  // for 0. stopAtTextEnd keeps the caret within the text without trailing
  // spaces.
  void MoveCaret(int delta, bool stopAtTextEnd);
  void SetPosition(std::int16_t position);

  // --- Editing -------------------------------------------------------------

  // Inserts s at the caret or in place of the selection (s may be rewritten by
  // the mask test); true when the text was changed and Changed raised.
  bool InsertText(std::u16string& s);
  // Deletes the character after the caret, or the selection.
  void DeleteForward();
  // The selected characters without literals.
  std::u16string SelectedRawText() const;
  // Whether s still fits the visible width after the text (places the caret).
  bool FitsWidth(std::u16string_view s);

  // --- Keyboard handlers -----------------------------------------------------

  void KeyPress(std::int16_t& keyAscii);
  void KeyDown(std::int16_t& keyCode, std::int16_t& shift);
  void KeyUp(std::int16_t& keyCode, std::int16_t& shift);

  // --- Selection -------------------------------------------------------------

  void ClearSelection();
  // Replaces the selection, or inserts at the caret.
  void LetSelText(std::u16string_view value);
  void SetSelectedText(std::int16_t iStart, std::int16_t iLength);
  // The select-all variants: the SelectAll method, the DblClick handler (also
  // the menu's select all) and the auto-selection on getting the focus.
  void SelectAll();
  void DblClick();
  void AutoSelectOnFocus();

  // --- Context menu ----------------------------------------------------------

  // Enables the clipboard items for the current selection, lock and clipboard.
  const SubItemMenuArray& PrepareContextMenu();
  void SubItemMenu_Click(std::int16_t index);

 private:
  struct Range {
    int start;
    int len;
  };
  // The selection as a start and a non-negative length, kept inside the text.
  Range SelectedRange() const;
  bool HasSelection() const { return state_.SelLength != 0; }
  // The number of raw characters in the selected range.
  int RawLength(Range r) const;
  // The mask test with its beep, at a 1-based position / for a caret position.
  bool Validate(std::u16string& ch, int position);
  bool IsValidAt(std::u16string& s, int caret);
  bool ReplaceSelection(std::u16string& s);
  bool InsertAtCaret(std::u16string& s);
  void ApplyCaseStyle();
  void NotifyEdited();
  void SelectAllStep();
  // KeyDown's action for an editing or movement key; false when the handler
  // stops there (a printable key, or an edit of a locked control).
  bool RunEditingKey(std::int16_t keyCode, std::int16_t shift);
  void ExtendSelectionByShift(std::int16_t shift);
  void Cut();
  void Copy();
  void Paste();

  TextEditView& view_;
  TextEditState state_;
};

}  // namespace kelvo::klvctl32

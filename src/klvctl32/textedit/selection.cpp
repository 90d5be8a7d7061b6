// The selection: clearing it, replacing it, setting it and the select-all
// variants.

#include <string>

#include "klvctl32/textedit/narrow16.h"
#include "klvctl32/textedit/string_slices.h"
#include "klvctl32/textedit/textedit_model.h"

namespace kelvo::klvctl32 {

void TextEditModel::ClearSelection() {
  state_.AnchorSet = false;
  state_.SelStart = 0;
  state_.SelLength = 0;
}

void TextEditModel::LetSelText(std::u16string_view value) {
  std::u16string s(value);
  if (InsertText(s)) ClearSelection();
}

void TextEditModel::SetSelectedText(std::int16_t iStart, std::int16_t iLength) {
  SetPosition(iStart);
  state_.SelStart = iStart;
  state_.SelLength = iLength;
  state_.AnchorSet = true;
  view_.DrawSelectionRange(iStart, iLength);
}

// Selects from the first editable position to the end of the text without
// trailing spaces, and puts the caret at that end.
void TextEditModel::SelectAllStep() {
  const int first = FirstEditablePos() - 1;
  const int end = RTrimLen(state_.StoredText);
  state_.AnchorSet = true;
  state_.SelStart = Narrow16(first);
  state_.SelLength = Narrow16(end - first);
  view_.DrawSelectionRange(state_.SelStart, state_.SelLength);
  SetPosition(Narrow16(end));
  state_.AllSelected = true;
}

void TextEditModel::SelectAll() {
  if (view_.Enabled() && !IsEmpty()) SelectAllStep();
}

void TextEditModel::DblClick() {
  if (IsEmpty()) return;
  SelectAllStep();
  view_.RaiseDblClick();
}

void TextEditModel::AutoSelectOnFocus() {
  if (state_.AutoSelect && RTrimLen(state_.StoredText) > 0 && !IsEmpty()) SelectAllStep();
}

}  // namespace kelvo::klvctl32

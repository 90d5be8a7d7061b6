// The caret's movement over the mask literals.

#include "klvctl32/textedit/mask.h"
#include "klvctl32/textedit/narrow16.h"
#include "klvctl32/textedit/string_slices.h"
#include "klvctl32/textedit/textedit_model.h"

namespace kelvo::klvctl32 {

namespace {

// Steps right until the character after the caret is a placeholder, ending at
// the text's end when there is none.
int StepRightOverLiterals(const TextEditState& s, int caret) {
  const int textLen = Len(s.StoredText);
  do {
    ++caret;
  } while (!IsEditablePos(s, caret + 1) && caret <= textLen);
  return caret > textLen ? textLen : caret;
}

// Steps left until the character after the caret is a placeholder; gives old
// back when the caret would leave the text.
int StepLeftOverLiterals(const TextEditState& s, int caret, int old) {
  const int textLen = Len(s.StoredText);
  --caret;
  while (!IsEditablePos(s, caret + 1)) {
    if (caret < 0 || caret > textLen) return old;
    --caret;
  }
  return caret;
}

}  // namespace

void TextEditModel::MoveCaret(int delta, bool stopAtTextEnd) {
  if (delta == 0) return;
  const int old = state_.CursorPos;
  const int textLen = Len(state_.StoredText);
  int caret = old + delta;
  const int first = FirstEditablePos();
  if (caret < first) caret = first - 1;
  if (caret > textLen) caret = textLen;
  if (delta > 0) {
    if (caret < textLen && !IsEditablePos(state_, caret + 1)) caret = StepRightOverLiterals(state_, caret);
    if (stopAtTextEnd && caret > RTrimLen(state_.StoredText)) caret = old;
  } else if (!IsEditablePos(state_, caret + 1) && textLen > 0) {
    caret = StepLeftOverLiterals(state_, caret, old);
  }
  state_.CursorPos = Narrow16(caret);
  view_.PlaceCaret();
}

void TextEditModel::SetPosition(std::int16_t position) { MoveCaret(position - state_.CursorPos, false); }

}  // namespace kelvo::klvctl32

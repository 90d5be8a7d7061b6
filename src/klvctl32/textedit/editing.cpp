// Insertion and deletion in the raw text, which is then laid out along the
// placeholders, moving the following characters with it.

#include <algorithm>
#include <string>

#include "klvctl32/textedit/mask.h"
#include "klvctl32/textedit/narrow16.h"
#include "klvctl32/textedit/string_slices.h"
#include "klvctl32/textedit/textedit_model.h"
#include "platform/base/text.h"

namespace kelvo::klvctl32 {

TextEditModel::Range TextEditModel::SelectedRange() const {
  int start = state_.SelStart;
  int len = state_.SelLength;
  if (len < 0) {
    start -= -len;
    len = -len;
  }
  // A selection set to start before the text selects only what lies in it.
  if (start < 0) {
    len = std::max(len + start, 0);
    start = 0;
  }
  return {start, len};
}

int TextEditModel::RawLength(Range r) const {
  return r.len - LiteralsInRange(state_.Mask, r.start + 1, r.start + r.len);
}

bool TextEditModel::IsValidAt(std::u16string& s, int caret) {
  // A caret before the text (-1 until the first focus, or a selection set to
  // start there) inserts at the first placeholder, so it is tested there.
  return Validate(s, caret >= 0 ? caret + 1 : FirstEditablePos());
}

bool TextEditModel::ReplaceSelection(std::u16string& s) {
  if (!IsValidAt(s, state_.SelStart)) {
    state_.CursorPos = state_.SelStart;
    return false;
  }
  const std::u16string raw = StripLiterals(state_);
  const Range r = SelectedRange();
  const int p = RawPosition(state_.Mask, r.start);
  const int q = RawLength(r);
  state_.StoredText = p <= 0 ? s + MidFrom(raw, q + 1) : LeftChars(raw, p) + s + MidFrom(raw, p + q + 1);
  state_.CursorPos = Narrow16(r.start);
  return true;
}

bool TextEditModel::InsertAtCaret(std::u16string& s) {
  const int caret = state_.CursorPos;
  if (caret >= state_.MaxLength) {
    view_.Beep();
    return false;
  }
  if (!IsValidAt(s, caret)) return false;
  if (!FitsWidth(s)) {
    view_.Beep();
    return false;
  }
  const std::u16string raw = StripLiterals(state_);
  // No free placeholder: the insertion would push the last character out.
  if (RTrimLen(raw) >= state_.MaxLength - LiteralCount(state_.Mask)) {
    view_.Beep();
    return false;
  }
  const int p = RawPosition(state_.Mask, caret);
  state_.StoredText = p <= 0 ? s + raw : LeftChars(raw, p) + s + MidFrom(raw, p + 1);
  return true;
}

void TextEditModel::ApplyCaseStyle() {
  if (state_.TextStyle == kcUpperCase) state_.StoredText = text::UpperAnsi(state_.StoredText);
  if (state_.TextStyle == kcLowerCase) state_.StoredText = text::LowerAnsi(state_.StoredText);
}

void TextEditModel::NotifyEdited() {
  view_.RaiseChanged();
  view_.MarkChanged(u"dcDataValue");
}

bool TextEditModel::InsertText(std::u16string& s) {
  if (state_.Locked) return false;
  const bool inserted = HasSelection() ? ReplaceSelection(s) : InsertAtCaret(s);
  if (!inserted) return false;
  ApplyCaseStyle();
  LayOutRawText(state_);
  view_.RedrawText();
  if (!s.empty()) MoveCaret(1, false);
  NotifyEdited();
  return true;
}

void TextEditModel::DeleteForward() {
  if (state_.Locked) return;
  const std::u16string raw = StripLiterals(state_);
  const int p = RawPosition(state_.Mask, state_.CursorPos);
  if (HasSelection()) {
    std::u16string nothing;
    InsertText(nothing);
    view_.PlaceCaret();
  } else {
    state_.StoredText = p < 1 ? MidFrom(raw, 2) : LeftChars(raw, p) + MidFrom(raw, p + 2);
    LayOutRawText(state_);
  }
  view_.RedrawText();
  NotifyEdited();
}

std::u16string TextEditModel::SelectedRawText() const {
  if (!HasSelection()) return {};
  const Range r = SelectedRange();
  const int p = RawPosition(state_.Mask, r.start);
  return MidChars(StripLiterals(state_), p + 1, RawLength(r));
}

bool TextEditModel::FitsWidth(std::u16string_view s) {
  const double inner = view_.InnerWidth();
  const double twipsPerPixel = view_.TwipsPerPixelX();
  const double margin = (7 + (view_.Shadow() ? 5 : 0)) * twipsPerPixel;
  bool fits = view_.TextWidth(text::TrimRight(state_.StoredText)) + view_.TextWidth(s) <= inner - margin;
  if (fits) fits = view_.PlaceCaret() < inner - 7 * twipsPerPixel;
  return fits;
}

}  // namespace kelvo::klvctl32

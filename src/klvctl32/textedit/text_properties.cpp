// The text-facing properties of the edit and the mask routines it exposes.

#include <string>

#include "klvctl32/textedit/char_validation.h"
#include "klvctl32/textedit/mask.h"
#include "klvctl32/textedit/narrow16.h"
#include "klvctl32/textedit/string_slices.h"
#include "klvctl32/textedit/text_style.h"
#include "klvctl32/textedit/textedit_model.h"
#include "platform/base/text.h"
#include "platform/com/error.h"

namespace kelvo::klvctl32 {

namespace {

// The style as reading Text applies it: a blank text is not padded.
void ApplyStyleForReading(TextEditState& s) {
  if (s.TextStyle == kcPadLeft && IsBlank(s.StoredText)) return;
  ApplyTextStyle(s);
}

}  // namespace

std::u16string TextEditModel::Text() {
  ApplyStyleForReading(state_);
  if (Len(state_.StoredText) > state_.MaxLength) state_.StoredText = LeftChars(state_.StoredText, state_.MaxLength);
  const std::u16string shown = state_.IncludeLiterals ? state_.StoredText : StripLiterals(state_);
  const std::u16string result(text::TrimRight(shown));
  // Reading the text never fails: a failing repaint is ignored.
  try {
    view_.RedrawText();
  } catch (const com::Error&) {
  }
  return result;
}

void TextEditModel::LetText(std::u16string_view value) {
  state_.StoredText = std::u16string(value);
  const int literals = OverflowLiteralCount(state_);
  state_.StoredText = LeftChars(state_.StoredText, state_.MaxLength - literals);
  if (RTrimLen(state_.StoredText) == 0) SetPosition(0);
  view_.RedrawText();
  view_.MarkChanged(u"Text");
}

void TextEditModel::LetMask(std::u16string_view value) {
  state_.StoredText = std::u16string(text::Trim(StripLiterals(state_)));
  state_.Mask = std::u16string(value);
  if (Len(state_.Mask) > state_.MaxLength) state_.MaxLength = Narrow16(Len(state_.Mask));
  view_.RedrawText();
  view_.MarkChanged(u"Mask");
  view_.MarkChanged(u"MaxLength");
}

void TextEditModel::LetMaxLength(std::int16_t value) {
  state_.MaxLength = value;
  view_.RedrawText();
  view_.MarkChanged(u"MaxLength");
}

void TextEditModel::LetIncludeLiterals(bool value) {
  state_.IncludeLiterals = value;
  view_.MarkChanged(u"IncludeLiterals");
}

void TextEditModel::LetTextStyle(kcTextStyle value) {
  state_.TextStyle = value;
  ApplyTextStyle(state_);
  view_.RedrawText();
  view_.MarkChanged(u"TextStyle");
}

void TextEditModel::LetFillChar(std::u16string_view value) {
  state_.FillChar = std::u16string(value.substr(0, 1));
  ApplyTextStyle(state_);
  view_.RedrawText();
  view_.MarkChanged(u"FillChar");
}

void TextEditModel::LetDefaultValue(std::u16string_view value) {
  state_.DefaultValue = std::u16string(value);
  view_.MarkChanged(u"DefaultValue");
}

void TextEditModel::LetLocked(bool value) {
  state_.Locked = value;
  view_.MarkChanged(u"Locked");
}

void TextEditModel::LetAutoSelect(bool value) {
  state_.AutoSelect = value;
  view_.MarkChanged(u"AutoSelect");
}

void TextEditModel::LetdcDataValue(std::u16string_view value) {
  state_.StoredText = LeftChars(value, state_.MaxLength);
  if (view_.HoldsFocus()) {
    state_.CursorPos = 0;
    view_.PlaceCaret();
  }
  view_.RedrawText();
  view_.MarkChanged(u"dcDataValue");
}

bool TextEditModel::IsEmpty() const { return IsBlank(StripLiterals(state_)); }

std::u16string TextEditModel::TextWithoutMask() const { return StripLiterals(state_); }

bool TextEditModel::IsValidChar(std::u16string& Char, std::int16_t position) { return Validate(Char, position); }

bool TextEditModel::Validate(std::u16string& ch, int position) {
  const CharVerdict verdict = CheckChar(state_, ch, position);
  if (verdict == CharVerdict::kRefused) view_.Beep();
  return verdict == CharVerdict::kAccepted;
}

void TextEditModel::FormatText() { klvctl32::FormatText(state_); }

std::u16string TextEditModel::DesignTemplate() const { return klvctl32::DesignTemplate(state_); }

int TextEditModel::FirstEditablePos() const { return klvctl32::FirstEditablePos(state_); }

void TextEditModel::CompleteOnLeave() {
  if (state_.TextStyle == kcPadLeft && !IsBlank(state_.FillChar) && !IsBlank(state_.StoredText)) {
    state_.StoredText = PadLeftFill(state_.StoredText, state_.MaxLength, state_.FillChar);
    state_.CursorPos = Narrow16(RTrimLen(state_.StoredText));
  }
  if (IsBlank(StripLiterals(state_))) state_.StoredText = state_.DefaultValue;
}

}  // namespace kelvo::klvctl32

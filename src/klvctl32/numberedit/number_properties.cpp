// The number properties: conversions into the canonical Text, the format
// switch and the clamped limits.
#include <algorithm>

#include "klvctl32/numberedit/numberedit_model.h"

namespace kelvo::klvctl32 {

namespace {

constexpr std::int16_t kMostIntDigits = 15;
constexpr std::int16_t kMostDecimals = 5;

}  // namespace

void NumberEditModel::LetText(std::u16string_view value) {
  state_.Text = AssignNumberText(state_, value);
  view_.MarkChanged(u"Text");
  view_.ShowNumber();
}

void NumberEditModel::LetValue(double value) { LetText(ValueNotation(value)); }

void NumberEditModel::LetdcDataValue(std::u16string_view value) {
  state_.Text = AssignNumberText(state_, value);
  view_.RedrawNumber(false);
  view_.MarkChanged(u"dcDataValue");
}

// The text keeps its characters: a number typed in one format is not
// converted to the other.
void NumberEditModel::LetNumberFormat(std::int16_t value) {
  state_.NumberFormat = value;
  ApplyNumberFormat(state_);
  view_.ShowNumber();
  view_.MarkChanged(u"NumberFormat");
}

void NumberEditModel::LetIntMaxLength(std::int16_t value) {
  state_.IntMaxLength = std::min(value, kMostIntDigits);
  view_.ShowNumber();
  view_.MarkChanged(u"IntMaxLength");
}

void NumberEditModel::LetDecMaxLength(std::int16_t value) {
  state_.DecMaxLength = std::min(value, kMostDecimals);
  view_.ShowNumber();
  view_.MarkChanged(u"DecMaxLength");
}

void NumberEditModel::LetAllowNegative(bool value) {
  state_.AllowNegative = value;
  view_.ShowNumber();
  view_.MarkChanged(u"AllowNegative");
}

void NumberEditModel::LetThSeparator(bool value) {
  state_.ThSeparator = value;
  view_.ShowNumber();
  view_.MarkChanged(u"ThSeparator");
}

void NumberEditModel::LetLocked(bool value) {
  state_.Locked = value;
  view_.MarkChanged(u"Locked");
}

void NumberEditModel::LetAutoSelect(bool value) {
  state_.AutoSelect = value;
  view_.MarkChanged(u"AutoSelect");
}

}  // namespace kelvo::klvctl32

#include "klvctl32/textedit/text_style.h"

#include "klvctl32/textedit/string_slices.h"
#include "platform/base/text.h"

namespace kelvo::klvctl32 {

void ApplyTextStyle(TextEditState& s) {
  switch (s.TextStyle) {
    case kcUpperCase:
      s.StoredText = text::UpperAnsi(s.StoredText);
      break;
    case kcLowerCase:
      s.StoredText = text::LowerAnsi(s.StoredText);
      break;
    case kcPadLeft:
      s.StoredText = PadLeftFill(s.StoredText, s.MaxLength, s.FillChar);
      break;
    case kcNormal:
    default:
      break;
  }
}

std::u16string PadLeftFill(std::u16string_view s, int width, std::u16string& fill) {
  const std::u16string_view trimmed = text::Trim(s);
  if (fill.empty()) fill = u" ";
  if (Len(trimmed) >= width) return RightChars(trimmed, width);
  return RepeatChar(fill.front(), width - Len(trimmed)) + std::u16string(trimmed);
}

std::u16string DesignTemplate(const TextEditState& s) {
  switch (s.TextStyle) {
    case kcNormal:
    case kcUpperCase:
    case kcLowerCase:
      if (s.Mask.empty()) return RepeatChar(u'X', s.MaxLength);
      return s.Mask + RepeatChar(u'X', s.MaxLength - Len(s.Mask));
    case kcPadLeft:
      return RepeatChar(s.FillChar.empty() ? u' ' : s.FillChar.front(), s.MaxLength);
    default:
      return {};
  }
}

}  // namespace kelvo::klvctl32

#include "klvctl32/textedit/char_validation.h"

#include <cstddef>

#include "klvctl32/textedit/mask.h"
#include "klvctl32/textedit/string_slices.h"
#include "platform/base/text.h"
#include "platform/com/error.h"

namespace kelvo::klvctl32 {

namespace {

void RequireValidPosition(int position) {
  if (position < 1) throw com::Error(com::err::kInvalidCall);
}

// The mask character governing position; a space (past the mask, or a space
// literal) governs like "X".
char16_t GoverningMaskChar(const std::u16string& mask, int position) {
  const char16_t m = position <= Len(mask) ? mask[static_cast<std::size_t>(position - 1)] : u' ';
  return m == u' ' ? u'X' : m;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsLatinLetter(char16_t c) { return c >= u'A' && c <= u'Z'; }

CharVerdict CheckNumeric(const TextEditState& s, std::u16string& ch, char16_t m) {
  const char16_t first = text::UpperAnsi(ch.front());
  if (!IsDigit(first) && ch != u"." && ch != u"," && first != u' ') return CharVerdict::kRefused;
  if (m == u'9') return CharVerdict::kAccepted;
  // "#": a digit, or one decimal comma; never a space.
  if (first == u' ') return CharVerdict::kRefused;
  if (IsDigit(first)) return CharVerdict::kAccepted;
  if (s.StoredText.find(u',') != std::u16string::npos) return CharVerdict::kRefused;
  ch.assign(1, u',');
  return CharVerdict::kAccepted;
}

CharVerdict CheckLetter(std::u16string& ch, char16_t m) {
  const char16_t first = text::UpperAnsi(ch.front());
  if (!IsLatinLetter(first) && first != u' ') return CharVerdict::kRefused;
  ch = m == u'A' ? text::UpperAnsi(ch) : text::LowerAnsi(ch);
  return CharVerdict::kAccepted;
}

}  // namespace

CharVerdict CheckChar(const TextEditState& s, std::u16string& ch, int position) {
  RequireValidPosition(position);
  if (ch.empty()) return CharVerdict::kAccepted;
  if (ch.front() == u' ' && !s.AllowSpaceChar) return CharVerdict::kRefused;
  const char16_t m = GoverningMaskChar(s.Mask, position);
  if (!IsMaskChar(m)) return CharVerdict::kRefusedSilently;
  switch (m) {
    case u'9':
    case u'#':
      return CheckNumeric(s, ch, m);
    case u'A':
    case u'a':
      return CheckLetter(ch, m);
    case u'C':
      ch = text::UpperAnsi(ch);
      return CharVerdict::kAccepted;
    case u'c':
      ch = text::LowerAnsi(ch);
      return CharVerdict::kAccepted;
    default:  // "X"
      return CharVerdict::kAccepted;
  }
}

}  // namespace kelvo::klvctl32

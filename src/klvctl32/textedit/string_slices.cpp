#include "klvctl32/textedit/string_slices.h"

#include <algorithm>
#include <climits>
#include <cstddef>

#include "platform/base/text.h"

namespace kelvo::klvctl32 {

int Len(std::u16string_view s) {
  return static_cast<int>(std::min<std::size_t>(s.size(), INT_MAX));
}

std::u16string LeftChars(std::u16string_view s, int n) {
  if (n <= 0) return {};
  return std::u16string(s.substr(0, static_cast<std::size_t>(n)));
}

std::u16string RightChars(std::u16string_view s, int n) {
  if (n <= 0) return {};
  if (n >= Len(s)) return std::u16string(s);
  return std::u16string(s.substr(s.size() - static_cast<std::size_t>(n)));
}

std::u16string MidFrom(std::u16string_view s, int start) {
  const int from = std::max(start, 1);
  if (from > Len(s)) return {};
  return std::u16string(s.substr(static_cast<std::size_t>(from - 1)));
}

std::u16string MidChars(std::u16string_view s, int start, int count) {
  return LeftChars(MidFrom(s, start), count);
}

std::u16string RepeatChar(char16_t ch, int n) {
  if (n <= 0) return {};
  return std::u16string(static_cast<std::size_t>(n), ch);
}

int RTrimLen(std::u16string_view s) { return Len(text::TrimRight(s)); }

bool IsBlank(std::u16string_view s) { return text::Trim(s).empty(); }

}  // namespace kelvo::klvctl32

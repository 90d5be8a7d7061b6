#include "klvctl32/textedit/mask.h"

#include <algorithm>
#include <cstddef>

#include "klvctl32/textedit/string_slices.h"

namespace kelvo::klvctl32 {

namespace {

// Character at 1-based position pos of the mask padded with "X" on the right.
char16_t PaddedMaskChar(std::u16string_view mask, int pos) {
  return pos <= Len(mask) ? mask[static_cast<std::size_t>(pos - 1)] : u'X';
}

}  // namespace

bool IsMaskChar(char16_t ch) { return kMaskChars.find(ch) != std::u16string_view::npos; }

int LiteralCount(std::u16string_view mask) {
  return static_cast<int>(std::count_if(mask.begin(), mask.end(), [](char16_t c) { return !IsMaskChar(c); }));
}

int LiteralsInRange(std::u16string_view mask, int from, int to) {
  const int first = std::max(from, 1);
  const int last = std::min(to, Len(mask));
  int count = 0;
  for (int i = first; i <= last; ++i) {
    if (!IsMaskChar(mask[static_cast<std::size_t>(i - 1)])) ++count;
  }
  return count;
}

int RawPosition(std::u16string_view mask, int k) { return k - LiteralsInRange(mask, 1, k); }

std::u16string StripLiterals(const TextEditState& s) {
  if (s.Mask.empty()) return s.StoredText;
  const int maskLen = Len(s.Mask);
  const int textLen = Len(s.StoredText);
  std::u16string r;
  for (int i = 1; i <= maskLen && i <= textLen; ++i) {
    if (IsMaskChar(s.Mask[static_cast<std::size_t>(i - 1)])) r += s.StoredText[static_cast<std::size_t>(i - 1)];
  }
  r += MidFrom(s.StoredText, maskLen + 1);
  return r;
}

int FirstEditablePos(const TextEditState& s) {
  const int paddedLen = std::max(Len(s.Mask), Len(s.StoredText));
  for (int i = 1; i <= paddedLen; ++i) {
    if (IsMaskChar(PaddedMaskChar(s.Mask, i))) return i;
  }
  return paddedLen + 1;
}

bool IsEditablePos(const TextEditState& s, int pos) {
  if (pos <= 0) return false;
  if (s.Mask.empty()) return pos <= Len(s.StoredText);
  const int paddedLen = std::max(Len(s.Mask), Len(s.StoredText));
  return pos <= paddedLen && IsMaskChar(PaddedMaskChar(s.Mask, pos));
}

namespace {

// Places the text into the mask. A text that may already be formatted has each
// literal found at its own place taken as that literal; raw text never has.
void LayOut(TextEditState& s, bool mayHoldLiterals) {
  if (s.Mask.empty()) return;
  const std::u16string& text = s.StoredText;
  const int textLen = Len(text);
  std::u16string r;
  int j = 0;  // characters of StoredText consumed
  for (int i = 1; i <= Len(s.Mask); ++i) {
    const char16_t m = s.Mask[static_cast<std::size_t>(i - 1)];
    if (!IsMaskChar(m)) {
      r += m;
      // The text already holds this literal at its place.
      if (mayHoldLiterals && i <= textLen && text[static_cast<std::size_t>(i - 1)] == m) ++j;
    } else {
      ++j;
      r += j <= textLen ? text[static_cast<std::size_t>(j - 1)] : u' ';
    }
  }
  if (j < textLen) r += MidFrom(text, j + 1);
  s.StoredText = LeftChars(r, s.MaxLength);
}

}  // namespace

void FormatText(TextEditState& s) { LayOut(s, true); }

void LayOutRawText(TextEditState& s) { LayOut(s, false); }

int OverflowLiteralCount(const TextEditState& s) {
  if (RTrimLen(s.StoredText) > s.MaxLength && !IsBlank(s.Mask)) return LiteralCount(s.Mask);
  return 0;
}

}  // namespace kelvo::klvctl32

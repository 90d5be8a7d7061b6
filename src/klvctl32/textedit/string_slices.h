#pragma once
// Character slices of the edit's strings with 1-based positions, as the mask
// routines count them. Every slice is clamped to the string: a count of 0 or
// below gives "", a position past the end gives "", so no routine can cut
// outside a string whatever MaxLength, the mask or the caret hold.

#include <string>
#include <string_view>

namespace kelvo::klvctl32 {

// Length in characters (one UTF-16 unit each).
int Len(std::u16string_view s);

// The first n characters.
std::u16string LeftChars(std::u16string_view s, int n);
// The last n characters.
std::u16string RightChars(std::u16string_view s, int n);
// From 1-based position start to the end; a start below 1 counts as 1.
std::u16string MidFrom(std::u16string_view s, int start);
// count characters from 1-based position start; a start below 1 counts as 1.
std::u16string MidChars(std::u16string_view s, int start, int count);
// n copies of ch.
std::u16string RepeatChar(char16_t ch, int n);

// Without trailing spaces / without leading and trailing spaces.
int RTrimLen(std::u16string_view s);
bool IsBlank(std::u16string_view s);

}  // namespace kelvo::klvctl32

#pragma once
// Text encodings at the platform's edges: the container's strings are UTF-16
// (one unit per character), files and the console are UTF-8, and 8-bit
// character codes (KeyAscii, DrawTextA) are the Western code page 1252.

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo::text {

std::u16string FromUtf8(std::string_view utf8);   // invalid bytes become U+FFFD
std::string ToUtf8(std::u16string_view utf16);     // lone surrogates become U+FFFD

// Code page 1252. Codes without a character (0x81, 0x8D, 0x8F, 0x90, 0x9D) map
// to the C1 control of the same value, so every byte round-trips.
char16_t FromAnsi(std::uint8_t code);
// The code of a character in code page 1252, or '?' when it has none.
std::uint8_t ToAnsi(char16_t ch);
std::u16string FromAnsi(std::string_view ansi);
std::string ToAnsi(std::u16string_view text);

// Upper and lower case by the code page's rules: ASCII letters, the accented
// letters 0xC0..0xDE / 0xE0..0xFE (not the multiplication and division signs),
// and the pairs Š/š, Œ/œ, Ž/ž, Ÿ/ÿ. Other characters are unchanged.
char16_t UpperAnsi(char16_t ch);
char16_t LowerAnsi(char16_t ch);
std::u16string UpperAnsi(std::u16string_view s);
std::u16string LowerAnsi(std::u16string_view s);

// Blanks as the container's Trim/RTrim/LTrim see them: the space character only.
std::u16string_view TrimRight(std::u16string_view s);
std::u16string_view TrimLeft(std::u16string_view s);
std::u16string_view Trim(std::u16string_view s);

}  // namespace kelvo::text

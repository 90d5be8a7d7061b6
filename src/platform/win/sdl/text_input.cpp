// UTF-8 from the text-input event, through UTF-16, to code page 1252.

#include "platform/win/sdl/text_input.h"

#include "platform/base/text.h"

namespace kelvo::win::sdl {
namespace {

// Controls (C0, DEL, C1) are never typed characters; the replacement
// character stands for malformed input; surrogates are outside the code page.
bool IsTypable(char16_t ch) {
  if (ch < 0x20 || (ch >= 0x7F && ch < 0xA0)) return false;
  if (ch >= 0xD800 && ch < 0xE000) return false;
  return ch != 0xFFFD;
}

}  // namespace

std::vector<std::uint8_t> TypedCodes(std::string_view utf8) {
  std::vector<std::uint8_t> codes;
  for (const char16_t ch : text::FromUtf8(utf8)) {
    if (!IsTypable(ch)) continue;
    const std::uint8_t code = text::ToAnsi(ch);
    // ToAnsi answers '?' for a character the code page lacks.
    if (code == '?' && ch != u'?') continue;
    codes.push_back(code);
  }
  return codes;
}

}  // namespace kelvo::win::sdl

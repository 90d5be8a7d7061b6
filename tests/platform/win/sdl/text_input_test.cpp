// Text from SDL's text-input event as code page 1252 key press codes.

#include "platform/win/sdl/text_input.h"

#include <gtest/gtest.h>

namespace kelvo::win::sdl {
namespace {

using Codes = std::vector<std::uint8_t>;

TEST(TextInput, CharactersOfTheCodePageKeepTheirCodes) {
  EXPECT_EQ(TypedCodes("a"), (Codes{'a'}));
  EXPECT_EQ(TypedCodes("\xC3\xA9"), (Codes{0xE9}));                // é
  EXPECT_EQ(TypedCodes("\xC3\xA7\xC3\x87"), (Codes{0xE7, 0xC7}));  // ç Ç
  EXPECT_EQ(TypedCodes("\xE2\x82\xAC"), (Codes{0x80}));            // € lives in the C1 range of the code page
  EXPECT_EQ(TypedCodes("?"), (Codes{'?'}));
}

TEST(TextInput, CharactersOutsideTheCodePageAreDropped) {
  EXPECT_EQ(TypedCodes("a\xE2\x82\xACz\xE6\x97\xA5"), (Codes{'a', 0x80, 'z'}));  // 日 dropped
  EXPECT_EQ(TypedCodes("\xF0\x9F\x98\x80"), Codes{});                            // outside the BMP
}

TEST(TextInput, ControlsAndMalformedBytesAreDropped) {
  EXPECT_EQ(TypedCodes("\t\r\x7F"), Codes{});
  EXPECT_EQ(TypedCodes("\xC2\x81"), Codes{});  // U+0081, a C1 control
  EXPECT_EQ(TypedCodes("x\xFFy\xC3"), (Codes{'x', 'y'}));
  EXPECT_EQ(TypedCodes(""), Codes{});
}

}  // namespace
}  // namespace kelvo::win::sdl

#include <gtest/gtest.h>

#include "platform/base/text.h"

namespace kelvo::text {
namespace {

TEST(Utf8, RoundTripsAcrossThePlanes) {
  const std::u16string s = u"Máscara \u20AC \U0001F600";
  EXPECT_EQ(FromUtf8(ToUtf8(s)), s);
  EXPECT_EQ(ToUtf8(u"Licença"), "Licen\xC3\xA7" "a");
}

TEST(Utf8, InvalidBytesBecomeReplacementCharacters) {
  EXPECT_EQ(FromUtf8("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(FromUtf8("\xC3"), u"\uFFFD");           // truncated sequence
  EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong form
  EXPECT_EQ(ToUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
}

TEST(CodePage1252, EveryByteRoundTrips) {
  for (int code = 0; code < 256; ++code) {
    const auto b = static_cast<std::uint8_t>(code);
    EXPECT_EQ(ToAnsi(FromAnsi(b)), b) << code;
  }
  EXPECT_EQ(FromAnsi(std::uint8_t{0x80}), u'\u20AC');
  EXPECT_EQ(ToAnsi(u'\u4E2D'), '?');
}

TEST(CodePage1252, CasingFollowsTheCodePage) {
  EXPECT_EQ(UpperAnsi(u"ação ÿ š œ ž ß µ ÷"), u"AÇÃO Ÿ Š Œ Ž ß µ ÷");
  EXPECT_EQ(LowerAnsi(u"AÇÃO Ÿ Š Œ Ž × Þ"), u"ação ÿ š œ ž × þ");
}

TEST(Trim, OnlySpacesAreBlanks) {
  EXPECT_EQ(Trim(u"  a b \t "), u"a b \t");
  EXPECT_EQ(TrimRight(u"12/  "), u"12/");
  EXPECT_EQ(TrimLeft(u"   "), u"");
}

}  // namespace
}  // namespace kelvo::text

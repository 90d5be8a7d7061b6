// The format model's readers and writers where the console scripts cannot
// reach: the numeric prefix, grouping of odd texts, the Value notation's
// round trip at extreme magnitudes, and negative limits.
#include "klvctl32/numberedit/number_format.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kelvo::klvctl32 {
namespace {

NumberEditState Brazil(std::int16_t decimals) {
  NumberEditState s;
  s.DecMaxLength = decimals;
  s.IntMaxLength = 5;
  s.ThSeparator = true;
  ApplyNumberFormat(s);
  return s;
}

TEST(ParseNumberText, ReadsTheNumericPrefixWithTheDecimalSeparatorAsPoint) {
  const NumberEditState s = Brazil(2);
  EXPECT_EQ(ParseNumberText(s, u""), 0);
  EXPECT_EQ(ParseNumberText(s, u"-"), 0);
  EXPECT_EQ(ParseNumberText(s, u"12,"), 12);
  EXPECT_EQ(ParseNumberText(s, u"-0,5"), -0.5);
  EXPECT_EQ(ParseNumberText(s, u" 1 2,5x"), 12.5);
  EXPECT_EQ(ParseNumberText(s, u"1.5"), 1.5);  // without the separator "." still reads as the point
  EXPECT_EQ(ParseNumberText(s, u"2E3"), 2000);
  EXPECT_EQ(ParseNumberText(s, u"2E"), 2);
  EXPECT_EQ(ParseNumberText(s, u"1E999"), 0);  // overflow reads as zero
  EXPECT_FALSE(std::signbit(ParseNumberText(s, u"-0")));
}

TEST(GroupThousands, GroupsAnyCharactersAndKeepsTheSign) {
  const NumberEditState s = Brazil(0);
  EXPECT_EQ(GroupThousands(s, u"1234567"), u"1.234.567");
  EXPECT_EQ(GroupThousands(s, u"-123456"), u"-123.456");
  EXPECT_EQ(GroupThousands(s, u"ab-cd"), u"ab.-cd");
  EXPECT_EQ(GroupThousands(s, u""), u"");
}

TEST(FormatNumberForDisplay, GroupsTheWholePartAndCutsTheDecimals) {
  NumberEditState s = Brazil(2);
  s.Text = u"-1234567,891";
  EXPECT_EQ(FormatNumberForDisplay(s, s.Text, false), u"-1.234.567,89");
  s.Text = u"123";
  EXPECT_EQ(FormatNumberForDisplay(s, s.Text, false), u"123");
}

TEST(ValueNotation, WritesPlainDigitsThatReadBackWithin15Digits) {
  EXPECT_EQ(ValueNotation(0.5), u".5");
  EXPECT_EQ(ValueNotation(-0.5), u"-.5");
  EXPECT_EQ(ValueNotation(-0.0), u"0");
  EXPECT_EQ(ValueNotation(1234567.891), u"1234567.891");
  EXPECT_EQ(ValueNotation(1e15), u"1000000000000000");
  EXPECT_EQ(ValueNotation(1.5e-7), u".00000015");
  NumberEditState us;
  us.NumberFormat = USFormat;
  ApplyNumberFormat(us);
  for (const double v : {1e15, 9.87654321098765e22, -1.7976931348623157e308, 1.2345e-300, 4.9e-324}) {
    const std::u16string text = ValueNotation(v);
    EXPECT_EQ(text.find(u'e'), std::u16string::npos);
    EXPECT_NEAR(ParseNumberText(us, text) / v, 1.0, 1e-14) << v;
  }
}

TEST(NegativeLimits, CountAsZero) {
  NumberEditState s = Brazil(-3);
  s.IntMaxLength = -4;
  EXPECT_EQ(ZeroText(s), u"0");
  EXPECT_EQ(AssignNumberText(s, u"12.345"), u"12,");
  s.Text = u"7,123";
  EXPECT_EQ(FormatNumberForDisplay(s, s.Text, false), u"7,");
  EXPECT_EQ(IntDigits(s), 0);
}

}  // namespace
}  // namespace kelvo::klvctl32

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "error_number.h"
#include "platform/base/environment.h"
#include "platform/com/variant.h"

namespace kelvo::com {
namespace {

using testing::ErrorNumberOf;

class NumberText : public ::testing::Test {
 protected:
  void SetUp() override { env::SetDecimalSeparator(u'.'); }
  void TearDown() override { env::SetDecimalSeparator(u'.'); }
};

TEST_F(NumberText, FifteenSignificantDigitsThenExponentForm) {
  EXPECT_EQ(FormatDouble(1e14), u"100000000000000");
  EXPECT_EQ(FormatDouble(123456789012345.0), u"123456789012345");
  EXPECT_EQ(FormatDouble(999999999999999.9), u"1E+15");
  EXPECT_EQ(FormatDouble(1e15), u"1E+15");
  EXPECT_EQ(FormatDouble(123456789012345678.0), u"1.23456789012346E+17");
  EXPECT_EQ(FormatDouble(1e100), u"1E+100");
  EXPECT_EQ(FormatDouble(std::numeric_limits<double>::max()), u"1.79769313486232E+308");
  EXPECT_EQ(FormatDouble(-2.5e20), u"-2.5E+20");
}

TEST_F(NumberText, SmallNumbersSwitchToExponentBelowOneTenThousandth) {
  EXPECT_EQ(FormatDouble(0.0001), u"0.0001");
  EXPECT_EQ(FormatDouble(0.00012), u"0.00012");
  EXPECT_EQ(FormatDouble(0.00001), u"1E-05");
  EXPECT_EQ(FormatDouble(1.5e-7), u"1.5E-07");
  EXPECT_EQ(FormatDouble(-1.5e-7), u"-1.5E-07");
}

TEST_F(NumberText, ZeroHasNoSign) {
  EXPECT_EQ(FormatDouble(0.0), u"0");
  EXPECT_EQ(FormatDouble(-0.0), u"0");
  EXPECT_EQ(FormatSingle(-0.0f), u"0");
}

TEST_F(NumberText, SingleHasSevenDigits) {
  EXPECT_EQ(FormatSingle(3.14159265f), u"3.141593");
  EXPECT_EQ(FormatSingle(1234567.0f), u"1234567");
  EXPECT_EQ(FormatSingle(12345678.0f), u"1.234568E+07");
  EXPECT_EQ(FormatSingle(1e-5f), u"1E-05");
}

TEST_F(NumberText, NonFiniteValuesPrintAsTheRuntimeDoes) {
  EXPECT_EQ(FormatDouble(std::numeric_limits<double>::infinity()), u"1.#INF");
  EXPECT_EQ(FormatDouble(-std::numeric_limits<double>::infinity()), u"-1.#INF");
  EXPECT_EQ(FormatDouble(std::numeric_limits<double>::quiet_NaN()), u"-1.#IND");
}

TEST_F(NumberText, ParsesBlanksSignsFractionsAndExponents) {
  EXPECT_EQ(ParseNumber(u"  12  "), 12);
  EXPECT_EQ(ParseNumber(u"\t7\t"), 7);
  EXPECT_EQ(ParseNumber(u"+5"), 5);
  EXPECT_EQ(ParseNumber(u"-5"), -5);
  EXPECT_EQ(ParseNumber(u".5"), 0.5);
  EXPECT_EQ(ParseNumber(u"5."), 5);
  EXPECT_EQ(ParseNumber(u"1E3"), 1000);
  EXPECT_EQ(ParseNumber(u"1.5e-2"), 0.015);
  EXPECT_EQ(ParseNumber(u"2E+2"), 200);
}

TEST_F(NumberText, ParsesHexAndOctal) {
  EXPECT_EQ(ParseNumber(u"&hff"), 255);
  EXPECT_EQ(ParseNumber(u"&HFFFF"), -1);
  EXPECT_EQ(ParseNumber(u"&H8000"), -32768);
  EXPECT_EQ(ParseNumber(u"&H00FF"), 255);
  EXPECT_EQ(ParseNumber(u"&HFFFFFFFF"), -1);
  EXPECT_EQ(ParseNumber(u"&O17"), 15);
  EXPECT_EQ(ParseNumber(u"&O177777"), -1);
  EXPECT_EQ(ParseNumber(u" &H8000000F& "), -2147483633);
}

TEST_F(NumberText, RefusesWhatIsNotANumber) {
  for (const char16_t* s : {u"&H", u"&HG", u"&O8", u"&X1", u"&", u"-&HFF", u"1e+", u"e5", u"+", u"1.2.3", u"0x10",
                            u"1,000", u"12 %"}) {
    EXPECT_EQ(ErrorNumberOf([s] { ParseNumber(s); }), err::kTypeMismatch) << std::u16string(s).size();
  }
}

TEST_F(NumberText, OutOfRangeOverflowsButTinyValuesAreZero) {
  EXPECT_EQ(ErrorNumberOf([] { ParseNumber(u"&H100000000"); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { ParseNumber(u"1e400"); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { ParseNumber(u"100e-1"); }), 0);
  EXPECT_EQ(ErrorNumberOf([] { ParseNumber(u"1e99999999999999999999"); }), err::kOverflow);
  EXPECT_EQ(ParseNumber(u"1e-400"), 0.0);
  EXPECT_EQ(ParseNumber(u"0.000001e-99999999999"), 0.0);
}

TEST_F(NumberText, CommaSeparatorRoundTrips) {
  env::SetDecimalSeparator(u',');
  for (double d : {1234.5, -0.001, 1.5e-7, 3.25e20, 0.1}) {
    EXPECT_EQ(ParseNumber(FormatDouble(d)), d) << d;
  }
  EXPECT_EQ(ErrorNumberOf([] { ParseNumber(u"1.5"); }), err::kTypeMismatch);
}

}  // namespace
}  // namespace kelvo::com

// 16-bit twips arithmetic: rounding halves to even and saturating at the ends
// of the range instead of overflowing.
#include "klvctl32/host/twips16.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kelvo::klvctl32 {
namespace {

TEST(Twips16, RoundsHalvesToEven) {
  EXPECT_EQ(RoundTwips(2.5), 2);
  EXPECT_EQ(RoundTwips(3.5), 4);
  EXPECT_EQ(RoundTwips(-2.5), -2);
  EXPECT_EQ(RoundTwips(1484.4999), 1484);
  EXPECT_EQ(RoundTwips(1484.6), 1485);
}

TEST(Twips16, ClampsOutOfRangeValues) {
  EXPECT_EQ(RoundTwips(32767.4), 32767);
  EXPECT_EQ(RoundTwips(32768.0), 32767);
  EXPECT_EQ(RoundTwips(1e12), 32767);
  EXPECT_EQ(RoundTwips(-40000.0), -32768);
  EXPECT_EQ(RoundTwips(std::numeric_limits<double>::infinity()), 32767);
  EXPECT_EQ(RoundTwips(-std::numeric_limits<double>::infinity()), -32768);
  EXPECT_EQ(RoundTwips(std::nan("")), 0);
  EXPECT_EQ(ClampTwips(70000), 32767);
  EXPECT_EQ(ClampTwips(-70000), -32768);
}

TEST(Twips16, ArithmeticSaturates) {
  EXPECT_EQ(MulTwips(5, 15), 75);
  EXPECT_EQ(MulTwips(32767, 15), 32767);
  EXPECT_EQ(MulTwips(-32768, 15), -32768);
  EXPECT_EQ(MulTwips(-32768, -1), 32767);
  EXPECT_EQ(AddTwips(32760, 15), 32767);
  EXPECT_EQ(SubTwips(-32760, 15), -32768);
  EXPECT_EQ(AddTwips(100, -15), 85);
}

}  // namespace
}  // namespace kelvo::klvctl32

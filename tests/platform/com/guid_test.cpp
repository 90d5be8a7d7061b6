#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/com/guid.h"

namespace kelvo::com {
namespace {

TEST(Guid, ParsesAnyCaseAndPrintsUpperCaseWithBraces) {
  const auto g = GUID::Parse("{6b3c1d20-4a5e-4f11-9c2b-0a1b2c3d4e5f}");
  ASSERT_TRUE(g);
  EXPECT_EQ(g->data1, 0x6B3C1D20u);
  EXPECT_EQ(g->data2, 0x4A5E);
  EXPECT_EQ(g->data3, 0x4F11);
  EXPECT_EQ(g->data4[0], 0x9C);
  EXPECT_EQ(g->data4[7], 0x5F);
  EXPECT_EQ(g->ToString(), "{6B3C1D20-4A5E-4F11-9C2B-0A1B2C3D4E5F}");
}

TEST(Guid, BracesAreOptional) {
  EXPECT_EQ(GUID::Parse("00000000-0000-0000-C000-000000000046"),
            GUID::Parse("{00000000-0000-0000-C000-000000000046}"));
}

TEST(Guid, RefusesMalformedText) {
  for (const char* bad : {"", "{}", "{6B3C1D20-4A5E-4F11-9C2B-0A1B2C3D4E5F", "6B3C1D20-4A5E-4F11-9C2B-0A1B2C3D4E5F}",
                          "{6B3C1D20-4A5E-4F11-9C2B-0A1B2C3D4E5}", "{6B3C1D20-4A5E-4F11-9C2B-0A1B2C3D4E5F0}",
                          "{6B3C1D204-A5E-4F11-9C2B-0A1B2C3D4E5F}", "{6B3C1D20-4A5E-4F11-9C2B-0A1B2C3D4E5G}",
                          "{6B3C1D20 4A5E-4F11-9C2B-0A1B2C3D4E5F}", "{+B3C1D20-4A5E-4F11-9C2B-0A1B2C3D4E5F}"}) {
    EXPECT_FALSE(GUID::Parse(bad)) << bad;
  }
}

TEST(Guid, MakeGuidThrowsOnABadLiteral) {
  EXPECT_EQ(MakeGuid("{00000001-0000-0000-C000-000000000046}").data1, 1u);
  EXPECT_TRUE(GUID{}.IsNull());
  EXPECT_THROW(MakeGuid("{not-a-guid}"), std::invalid_argument);
}

}  // namespace
}  // namespace kelvo::com

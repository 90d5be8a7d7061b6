#include <gtest/gtest.h>

#include "platform/gfx/color.h"

namespace kelvo::gfx {
namespace {

TEST(Colors, PlainColoursAreBlueGreenRed) {
  EXPECT_EQ(ResolveColor(0x000000FFu), (Rgb{255, 0, 0}));
  EXPECT_EQ(ResolveColor(0x0000FF00u), (Rgb{0, 255, 0}));
  EXPECT_EQ(ResolveColor(0x00FF0000u), (Rgb{0, 0, 255}));
  EXPECT_EQ(ToOleColor({0x12, 0x34, 0x56}), 0x00563412u);
  EXPECT_FALSE(IsSystemColor(0x00FFFFFFu));
}

TEST(Colors, SystemColoursResolveThroughTheTable) {
  EXPECT_TRUE(IsSystemColor(0x8000000Fu));
  EXPECT_EQ(ResolveColor(0x8000000Fu), (Rgb{192, 192, 192}));  // button face
  EXPECT_EQ(ResolveColor(0x80000010u), (Rgb{128, 128, 128}));  // button shadow
  EXPECT_EQ(ResolveColor(0x80000014u), (Rgb{255, 255, 255}));  // button highlight
  EXPECT_EQ(ResolveColor(0x8000000Du), (Rgb{0, 0, 128}));      // highlight
  EXPECT_EQ(ResolveColor(0x80000018u), (Rgb{255, 255, 225}));  // tooltip background
  for (int i = 0; i < kSystemColorCount; ++i) {
    EXPECT_EQ(ResolveColor(kSystemColorBase + static_cast<OleColor>(i)), SystemColor(i)) << i;
  }
}

TEST(Colors, IndicesOutsideTheTableAreBlack) {
  EXPECT_EQ(ResolveColor(0x8000001Fu), (Rgb{}));
  EXPECT_EQ(ResolveColor(0x80FFFFFFu), (Rgb{}));
  EXPECT_EQ(SystemColor(-1), (Rgb{}));
  EXPECT_EQ(SystemColor(kSystemColorCount), (Rgb{}));
}

}  // namespace
}  // namespace kelvo::gfx

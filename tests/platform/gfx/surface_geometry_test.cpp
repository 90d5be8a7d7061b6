// Pixel rules of lines, boxes, filled boxes and pixels, at 96 and 120 dpi.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/gfx/raster_line.h"
#include "platform/gfx/surface.h"

namespace kelvo::gfx {
namespace {

constexpr OleColor kWhite = 0x00FFFFFFu;
constexpr OleColor kBlack = 0x00000000u;
constexpr Rgb kInk{0, 0, 0};

class SurfaceGeometry : public ::testing::TestWithParam<int> {
 protected:
  SurfaceGeometry() : s(100, 40, GetParam(), GetParam()) { s.SetBackColor(kWhite); }
  double Px(int n) const { return static_cast<double>(n) * GetParam(); }  // n pixels in twips
  bool Inked(int x, int y) const { return s.PixelAt(x, y) == kInk; }
  int InkCount() const {
    int n = 0;
    for (int y = 0; y < s.heightPx(); ++y) {
      for (int x = 0; x < s.widthPx(); ++x) n += Inked(x, y) ? 1 : 0;
    }
    return n;
  }
  Surface s;
};

TEST_P(SurfaceGeometry, HorizontalLineCoversItsStartButNotItsEnd) {
  s.Line(0, 0, Px(99), 0, kBlack);
  for (int x = 0; x <= 98; ++x) EXPECT_TRUE(Inked(x, 0)) << x;
  EXPECT_FALSE(Inked(99, 0));
  EXPECT_EQ(InkCount(), 99);
}

TEST_P(SurfaceGeometry, LineDrawnBackwardsCoversItsOwnStart) {
  s.Line(Px(99), Px(3), 0, Px(3), kBlack);
  EXPECT_TRUE(Inked(99, 3));
  EXPECT_TRUE(Inked(1, 3));
  EXPECT_FALSE(Inked(0, 3));
}

TEST_P(SurfaceGeometry, VerticalLineCoversItsStartButNotItsEnd) {
  s.Line(Px(5), Px(2), Px(5), Px(12), kBlack);
  for (int y = 2; y <= 11; ++y) EXPECT_TRUE(Inked(5, y)) << y;
  EXPECT_FALSE(Inked(5, 12));
  EXPECT_EQ(InkCount(), 10);
}

// Lines along an axis, either way and crossing any edge, ink what the walk inks.
TEST_P(SurfaceGeometry, AxisLinesInkWhatTheWalkInks) {
  const int ends[] = {-5, 0, 3, 39, 40, 99, 100, 130};
  for (const int a : ends) {
    for (const int b : ends) {
      for (const bool across : {true, false}) {
        s.Clear();
        int walked = 0;
        if (across) {
          s.Line(Px(a), Px(7), Px(b), Px(7), kBlack);
          ForEachLinePixel(a, 7, b, 7, 100, 40, [&](int x, int y) { walked += Inked(x, y) ? 1 : 0; });
        } else {
          s.Line(Px(9), Px(a), Px(9), Px(b), kBlack);
          ForEachLinePixel(9, a, 9, b, 100, 40, [&](int x, int y) { walked += Inked(x, y) ? 1 : 0; });
        }
        EXPECT_EQ(InkCount(), walked) << a << ' ' << b << ' ' << across;
      }
    }
  }
}

TEST_P(SurfaceGeometry, DiagonalLineStepsOnePixelEachWay) {
  s.Line(0, 0, Px(10), Px(10), kBlack);
  for (int i = 0; i < 10; ++i) EXPECT_TRUE(Inked(i, i)) << i;
  EXPECT_FALSE(Inked(10, 10));
  EXPECT_EQ(InkCount(), 10);
}

TEST_P(SurfaceGeometry, ShallowLineHasOnePixelPerColumnWithoutGaps) {
  s.Line(0, 0, Px(20), Px(7), kBlack);
  int previous = 0;
  for (int x = 0; x < 20; ++x) {
    int found = -1, count = 0;
    for (int y = 0; y < s.heightPx(); ++y) {
      if (!Inked(x, y)) continue;
      found = y;
      ++count;
    }
    ASSERT_EQ(count, 1) << x;
    EXPECT_LE(found - previous, 1) << x;
    EXPECT_GE(found, previous) << x;
    previous = found;
  }
  EXPECT_TRUE(Inked(0, 0));
}

TEST_P(SurfaceGeometry, ZeroLengthLineDrawsNothing) {
  s.Line(Px(4), Px(4), Px(4), Px(4), kBlack);
  EXPECT_EQ(InkCount(), 0);
}

TEST_P(SurfaceGeometry, BoxCoversBothCorners) {
  s.Box(0, 0, Px(99), Px(39), kBlack);
  EXPECT_TRUE(Inked(0, 0));
  EXPECT_TRUE(Inked(99, 0));
  EXPECT_TRUE(Inked(0, 39));
  EXPECT_TRUE(Inked(99, 39));
  EXPECT_FALSE(Inked(1, 1));
  EXPECT_EQ(InkCount(), 2 * 100 + 2 * 38);
}

TEST_P(SurfaceGeometry, BoxWithCornersSwappedIsTheSameBox) {
  s.Box(Px(9), Px(7), Px(2), Px(3), kBlack);
  const Image swapped = s.image();
  s.Clear();
  s.Box(Px(2), Px(3), Px(9), Px(7), kBlack);
  EXPECT_EQ(s.image(), swapped);
}

TEST_P(SurfaceGeometry, FilledBoxFromCornerToCornerFillsTheSurface) {
  s.FilledBox(0, 0, Px(99), Px(39), kBlack);
  EXPECT_EQ(InkCount(), 100 * 40);
}

TEST_P(SurfaceGeometry, FilledBoxCoversBothCorners) {
  s.FilledBox(Px(12), Px(6), Px(10), Px(5), kBlack);
  EXPECT_EQ(InkCount(), 3 * 2);
  EXPECT_TRUE(Inked(12, 6));
  EXPECT_TRUE(Inked(10, 5));
}

TEST_P(SurfaceGeometry, NotXorPenSetsNotOfPenXorScreen) {
  s.SetBackColor(0x8000000Fu);  // 192 grey
  s.SetDrawMode(DrawMode::NotXorPen);
  s.SetPixel(Px(1), Px(1), 0x00804020u);
  EXPECT_EQ(s.PixelAt(1, 1), (Rgb{static_cast<std::uint8_t>(~(0x20 ^ 192)), static_cast<std::uint8_t>(~(0x40 ^ 192)),
                                  static_cast<std::uint8_t>(~(0x80 ^ 192))}));
}

TEST_P(SurfaceGeometry, NotXorBoxHitsEachCornerOnce) {
  s.SetDrawMode(DrawMode::NotXorPen);
  s.Box(Px(2), Px(2), Px(8), Px(6), kBlack);  // black not-xor white is black
  EXPECT_TRUE(Inked(2, 2));
  EXPECT_TRUE(Inked(8, 2));
  EXPECT_TRUE(Inked(2, 6));
  EXPECT_TRUE(Inked(8, 6));
}

TEST_P(SurfaceGeometry, NotXorDrawingTwiceRestoresThePicture) {
  s.FilledBox(0, 0, Px(30), Px(20), 0x00336699u);
  const Image before = s.image();
  s.SetDrawMode(DrawMode::NotXorPen);
  for (int pass = 0; pass < 2; ++pass) {
    s.Line(Px(1), Px(1), Px(50), Px(17), 0x00123456u);
    s.Box(Px(5), Px(5), Px(60), Px(30), 0x00ABCDEFu);
    s.Box(Px(70), Px(10), Px(70), Px(10), 0x00ABCDEFu);  // a one-pixel box
    s.FilledBox(Px(20), Px(3), Px(40), Px(9), 0x00FF00FFu);
    s.SetPixel(Px(90), Px(30), 0x000000FFu);
  }
  EXPECT_EQ(s.image(), before);
}

TEST_P(SurfaceGeometry, HugeAndOddCoordinatesAreClippedWithoutHarm) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  s.Line(-1e300, Px(5), 1e300, Px(5), kBlack);
  for (int x = 0; x < 100; ++x) EXPECT_TRUE(Inked(x, 5)) << x;
  s.Line(-inf, -inf, inf, inf, kBlack);
  s.Line(nan, 0, Px(3), nan, kBlack);
  s.Box(-1e20, -1e20, 1e20, 1e20, kBlack);
  s.SetPixel(1e30, -1e30, kBlack);
  s.FilledBox(-1e20, Px(30), 1e20, 1e20, kBlack);
  for (int x = 0; x < 100; ++x) EXPECT_TRUE(Inked(x, 39)) << x;
  s.PaintPicture(Image(2, 2), -1e300, -1e300, 1e300, 1e300);
}

TEST_P(SurfaceGeometry, TwipsRoundToTheNearestPixel) {
  const int tpp = GetParam();
  EXPECT_EQ(s.ToPixelX(tpp * 3), 3);
  EXPECT_EQ(s.ToPixelX(tpp * 3 + tpp / 2 - 1), 3);
  EXPECT_EQ(s.ToPixelX(tpp * 3 + tpp / 2 + 1), 4);
  EXPECT_EQ(s.ToPixelY(-tpp * 2), -2);
}

INSTANTIATE_TEST_SUITE_P(Dpi, SurfaceGeometry, ::testing::Values(15, 12),
                         [](const auto& p) { return p.param == 15 ? "At96Dpi" : "At120Dpi"; });

}  // namespace
}  // namespace kelvo::gfx

// The surface's state: background, size, printing, measuring and pictures.

#include <gtest/gtest.h>

#include "platform/gfx/surface.h"

namespace kelvo::gfx {
namespace {

constexpr OleColor kWhite = 0x00FFFFFFu;

FontDesc BuiltinFont(bool bold = false) {
  FontDesc f;
  f.name = std::u16string(kBuiltinFontName);
  f.bold = bold;
  return f;
}

class SurfaceState : public ::testing::Test {
 protected:
  SurfaceState() : s(120, 60, 15, 15) { s.SetFont(BuiltinFont()); }
  bool RegionHas(int x0, int y0, int x1, int y1, Rgb c) const {
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        if (s.PixelAt(x, y) == c) return true;
      }
    }
    return false;
  }
  Surface s;
};

TEST_F(SurfaceState, SetBackColorClearsToThatColourAndHomesThePosition) {
  EXPECT_EQ(s.PixelAt(0, 0), (Rgb{192, 192, 192}));  // button face until set
  s.FilledBox(0, 0, 300, 300, 0x000000FFu);
  s.SetCurrentX(450);
  s.SetCurrentY(300);
  const auto version = s.version();
  s.SetBackColor(0x80000018u);
  EXPECT_EQ(s.PixelAt(0, 0), (Rgb{255, 255, 225}));
  EXPECT_EQ(s.PixelAt(119, 59), (Rgb{255, 255, 225}));
  EXPECT_EQ(s.CurrentX(), 0);
  EXPECT_EQ(s.CurrentY(), 0);
  EXPECT_GT(s.version(), version);
}

TEST_F(SurfaceState, ResizeKeepsTheTopLeftAndShowsTheBackgroundElsewhere) {
  s.SetBackColor(kWhite);
  s.SetPixel(15 * 3, 15 * 4, 0x000000FFu);
  s.Resize(200, 10);
  EXPECT_EQ(s.widthPx(), 200);
  EXPECT_EQ(s.heightPx(), 10);
  EXPECT_EQ(s.PixelAt(3, 4), (Rgb{255, 0, 0}));
  EXPECT_EQ(s.PixelAt(199, 9), (Rgb{255, 255, 255}));
  EXPECT_EQ(s.ScaleWidth(), 200 * 15);
}

TEST_F(SurfaceState, AbsurdSizesAreKeptWithinBounds) {
  Surface odd(-5, 1 << 30, 0, 15);
  EXPECT_EQ(odd.widthPx(), 0);
  EXPECT_LE(odd.heightPx(), 8192);
  EXPECT_EQ(odd.twipsPerPixelX(), 1);
  odd.Line(0, 0, 1000, 1000, 0);
  odd.Print(u"x");
}

TEST_F(SurfaceState, PrintRecordsTheTextWhereItStartedInTheColourAsSet) {
  s.SetForeColor(0x80000012u);
  s.SetCurrentX(15 * 10);
  s.SetCurrentY(15 * 5);
  s.Print(u"Olá");
  const auto prints = s.TakePrints();
  ASSERT_EQ(prints.size(), 1u);
  EXPECT_EQ(prints[0].text, u"Olá");
  EXPECT_EQ(prints[0].x, 10);
  EXPECT_EQ(prints[0].y, 5);
  EXPECT_EQ(prints[0].color, 0x80000012u);
  EXPECT_TRUE(s.TakePrints().empty());
}

TEST_F(SurfaceState, PrintMovesToTheStartOfTheNextLine) {
  const int lineHeight = s.Face().Height();
  s.SetCurrentX(300);
  s.SetCurrentY(30);
  s.Print(u"abc");
  EXPECT_EQ(s.CurrentX(), 0);
  EXPECT_EQ(s.CurrentY(), 30 + lineHeight * 15);
}

TEST_F(SurfaceState, PrintBreaksLinesAtCrLfCrAndLf) {
  const int lineHeight = s.Face().Height();
  s.Print(u"a\r\nb\rc\nd");
  EXPECT_EQ(s.CurrentY(), 4 * lineHeight * 15);
  EXPECT_EQ(s.TextHeight(u"a\r\nb\rc\nd"), 4 * lineHeight * 15);
}

TEST_F(SurfaceState, PrintDrawsInTheForeColourWithoutPaintingTheBackground) {
  s.SetBackColor(kWhite);
  s.FilledBox(0, 0, 15 * 119, 15 * 59, 0x0000FF00u);
  s.SetForeColor(0x000000FFu);
  s.Print(u"WM");
  EXPECT_TRUE(RegionHas(0, 0, 20, 13, {255, 0, 0}));
  EXPECT_FALSE(RegionHas(0, 0, 120, 60, {255, 255, 255}));
  EXPECT_FALSE(RegionHas(0, 13, 120, 60, {255, 0, 0}));
}

TEST_F(SurfaceState, TextMeasuresAreTheWidestLineAndTheLineCount) {
  const FontFace& face = s.Face();
  EXPECT_EQ(s.TextWidth(u"ab\r\nwide line\r\nc"), face.Width(u"wide line") * 15);
  EXPECT_EQ(s.TextHeight(u"x"), face.Height() * 15);
  EXPECT_EQ(s.TextHeight(u""), face.Height() * 15);
  EXPECT_EQ(s.TextWidth(u""), 0);
}

TEST_F(SurfaceState, BoldTextIsWider) {
  const double normal = s.TextWidth(u"Kelvo");
  s.SetFont(BuiltinFont(true));
  EXPECT_EQ(s.TextWidth(u"Kelvo"), normal + 5 * 15);
}

TEST_F(SurfaceState, TheFaceFollowsAChangeOfFontSource) {
  const FontSource before = CurrentFontSource();
  SetFontSource(FontSource::Builtin);
  const FontFace* builtin = &s.Face();
  SetFontSource(FontSource::System);
  EXPECT_NE(&s.Face(), builtin);
  SetFontSource(before);
}

TEST_F(SurfaceState, PaintPictureStretchesNearestNeighbour) {
  Image picture(2, 2);
  picture.Set(0, 0, 0xFFFF0000u);
  picture.Set(1, 0, 0xFF00FF00u);
  picture.Set(0, 1, 0xFF0000FFu);
  picture.Set(1, 1, 0xFFFFFFFFu);
  s.PaintPicture(picture, 15 * 10, 15 * 20, 15 * 4, 15 * 4);
  EXPECT_EQ(s.PixelAt(10, 20), (Rgb{255, 0, 0}));
  EXPECT_EQ(s.PixelAt(11, 21), (Rgb{255, 0, 0}));
  EXPECT_EQ(s.PixelAt(12, 20), (Rgb{0, 255, 0}));
  EXPECT_EQ(s.PixelAt(13, 21), (Rgb{0, 255, 0}));
  EXPECT_EQ(s.PixelAt(10, 23), (Rgb{0, 0, 255}));
  EXPECT_EQ(s.PixelAt(13, 23), (Rgb{255, 255, 255}));
  EXPECT_EQ(s.PixelAt(14, 20), (Rgb{192, 192, 192}));
  EXPECT_EQ(s.PixelAt(10, 24), (Rgb{192, 192, 192}));
}

TEST_F(SurfaceState, PaintPictureRespectsAlpha) {
  s.SetBackColor(kWhite);
  Image picture(2, 1);
  picture.Set(0, 0, 0x00000000u);  // transparent
  picture.Set(1, 0, 0x80000000u);  // half black
  s.PaintPicture(picture, 0, 0, 15 * 2, 15);
  EXPECT_EQ(s.PixelAt(0, 0), (Rgb{255, 255, 255}));
  EXPECT_EQ(s.PixelAt(1, 0), (Rgb{127, 127, 127}));
}

TEST_F(SurfaceState, PaintPictureIsClippedAtTheEdges) {
  Image picture(4, 4, 0xFF000000u);
  s.PaintPicture(picture, 15 * 118, 15 * 58, 15 * 40, 15 * 40);
  s.PaintPicture(picture, -15 * 50, -15 * 50, 15 * 51, 15 * 51);
  EXPECT_EQ(s.PixelAt(119, 59), (Rgb{0, 0, 0}));
  EXPECT_EQ(s.PixelAt(0, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(s.PixelAt(1, 1), (Rgb{192, 192, 192}));
  s.PaintPicture(picture, 0, 0, 0, 15 * 4);  // no width: nothing
  s.PaintPicture(Image(), 0, 0, 15 * 4, 15 * 4);
}

TEST_F(SurfaceState, EveryChangeOfThePictureGrowsTheVersion) {
  auto v = s.version();
  s.Line(0, 0, 150, 0, 0);
  EXPECT_GT(s.version(), v);
  v = s.version();
  s.Print(u"x");
  EXPECT_GT(s.version(), v);
  v = s.version();
  s.FillRectPx({0, 0, 2, 2}, {});
  EXPECT_GT(s.version(), v);
}

TEST_F(SurfaceState, UntakenPrintsDoNotPileUpWithoutBound) {
  for (int i = 0; i < 20000; ++i) s.Print(u"x");
  const auto prints = s.TakePrints();
  EXPECT_LE(prints.size(), 4096u);
  EXPECT_FALSE(prints.empty());
}

}  // namespace
}  // namespace kelvo::gfx

// KelvoNumberEdit's picture: the frame with its 10-twip ends, the shadow band
// and the raised highlight frame to the pixel at 96 and 120 dpi, the text's
// position and colour, and goldens in the built-in font.
#include <gtest/gtest.h>

#include "support/golden_image.h"
#include "hosted.h"
#include "klvctl32/numberedit/numberedit.h"
#include "platform/gfx/font.h"
#include "reference_image.h"

namespace kelvo::klvctl32::testing {
namespace {

constexpr gfx::OleColor kSurface = 0x8000000Fu;
constexpr gfx::OleColor kFace = 0x8000000Fu;
constexpr gfx::OleColor kWindow = 0x80000005u;
constexpr gfx::OleColor kShadow = 0x80000010u;
constexpr gfx::OleColor kLight = 0x80000014u;
constexpr gfx::OleColor kHighlight = 0x8000000Du;
constexpr gfx::OleColor kBlack = 0;

using V = com::Variant;

struct NumberEdit : Hosted<KelvoNumberEdit> {
  NumberEdit(int w, int h, int tpp) : Hosted(w, h, tpp) {
    gfx::SetFontSource(gfx::FontSource::Builtin);
    control->InitProperties();
    control->Show();
  }
  // The number drawn in the background colour, so only the field shows.
  void HideText() { Let(u"ForeColor", V::Long(static_cast<std::int32_t>(kWindow))); }
};

// A frame as the edits draw it: top row and left column in a, bottom row
// and right column in b; the bottom row and left column reach one pixel past
// the corner (10 twips round up to a pixel at 96 and 120 dpi).
void Frame(ReferenceImage& img, int x1, int y1, int x2, int y2, gfx::OleColor a, gfx::OleColor b) {
  img.Row(y1, x1, x2 - 1, a);
  img.Row(y2, x1, x2, b);
  img.Column(x1, y1, y2, a);
  img.Column(x2, y1, y2 - 1, b);
}

// The field of width w and height h (without the shadow band) over a
// cleared surface of size sw x sh.
ReferenceImage Field(int sw, int sh, int w, int h) {
  ReferenceImage img(sw, sh, kSurface);
  for (int y = 0; y <= h - 1; ++y) img.Row(y, 0, w - 1, kWindow);
  Frame(img, 0, 0, w - 1, h - 1, kShadow, kLight);
  Frame(img, 1, 1, w - 2, h - 2, kBlack, kFace);
  return img;
}

class NumberEditAtDpi : public ::testing::TestWithParam<int> {};

TEST_P(NumberEditAtDpi, SunkenFrameReachesPastItsCorners) {
  NumberEdit n(100, 24, GetParam());
  n.HideText();
  EXPECT_TRUE(Matches(n.site.surface(), Field(100, 24, 100, 24)));
}

TEST_P(NumberEditAtDpi, ShadowBandTakesTheBottomRightFivePixels) {
  NumberEdit n(100, 24, GetParam());
  n.Let(u"ShadowColor", V::Long(0x00404040));
  n.Let(u"Shadow", V::Boolean(true));
  n.HideText();
  ReferenceImage expected = Field(100, 24, 95, 19);
  for (int y = 5; y < 24; ++y) {
    for (int x = 5; x < 100; ++x) {
      if (x >= 95 || y >= 19) expected.Row(y, x, x, 0x00404040);
    }
  }
  EXPECT_TRUE(Matches(n.site.surface(), expected));
}

// The highlight box spans from the text's left edge to 4 px from the right,
// framed one pixel further out on the sides.
TEST_P(NumberEditAtDpi, RaisedFrameAroundTheHighlight) {
  const int tpp = GetParam();
  NumberEdit n(100, 24, tpp);
  n.Let(u"Selection3D", V::Boolean(true));
  n.Let(u"Value", V::Double(42));
  n.control->Model().SelectAll();
  const gfx::Surface& s = n.site.surface();
  const int textWidth = s.ToPixelX(s.TextWidth(u"42"));
  const int left = 100 - textWidth - 5;
  const int right = 100 - 4;
  const int bottom = s.ToPixelY(s.TextHeight(u"42")) - 1 + 3;
  EXPECT_EQ(PixelText(s, left - 1, 3), ColorText(kLight));
  EXPECT_EQ(PixelText(s, right + 1, 4), ColorText(kShadow));
  EXPECT_EQ(PixelText(s, right, bottom + 1), ColorText(kShadow));
  EXPECT_EQ(PixelText(s, right, 4), ColorText(kHighlight));
  EXPECT_EQ(PixelText(s, left - 2, 4), ColorText(kWindow));
}

INSTANTIATE_TEST_SUITE_P(TwipsPerPixel, NumberEditAtDpi, ::testing::Values(15, 12));

// Disabled over locked over negative.
TEST(NumberEditColours, StateDecidesTheTextColour) {
  NumberEdit n(100, 24, 15);
  n.Let(u"Value", V::Double(-1));
  EXPECT_EQ(n.site.surface().ForeColor(), 0x000000FFu);
  n.Let(u"Locked", V::Boolean(true));
  n.control->Show();
  EXPECT_EQ(n.site.surface().ForeColor(), 0x80000012u);
  n.Let(u"Enabled", V::Boolean(false));
  EXPECT_EQ(n.site.surface().ForeColor(), 0x80000011u);
}

class NumberEditGolden : public ::testing::Test {
 protected:
  NumberEdit n{100, 21, 15};
  ::testing::AssertionResult Golden(const std::string& name) {
    return kelvo::testing::MatchesGolden(n.site.surface(), "numberedit", name);
  }
};

TEST_F(NumberEditGolden, Normal) {
  n.Let(u"DecMaxLength", V::Integer(2));
  n.Let(u"Value", V::Double(1234567.5));
  EXPECT_TRUE(Golden("normal"));
}

TEST_F(NumberEditGolden, Negative) {
  n.Let(u"DecMaxLength", V::Integer(2));
  n.Let(u"Value", V::Double(-98.25));
  EXPECT_TRUE(Golden("negative"));
}

TEST_F(NumberEditGolden, HighlightedWithRaisedFrame) {
  n.Let(u"Selection3D", V::Boolean(true));
  n.Let(u"Value", V::Double(31415));
  n.control->Model().SelectAll();
  EXPECT_TRUE(Golden("highlighted_3d"));
}

TEST_F(NumberEditGolden, Shadow) {
  n.Let(u"ShadowColor", V::Long(0x00808080));
  n.Let(u"Shadow", V::Boolean(true));
  n.Let(u"Value", V::Double(750));
  EXPECT_TRUE(Golden("shadow"));
}

TEST_F(NumberEditGolden, Disabled) {
  n.Let(u"Value", V::Double(-12));
  n.Let(u"Enabled", V::Boolean(false));
  EXPECT_TRUE(Golden("disabled"));
}

TEST_F(NumberEditGolden, DesignSample) {
  n.site.userMode = false;
  n.control->Show();
  EXPECT_TRUE(Golden("design_sample"));
}

}  // namespace
}  // namespace kelvo::klvctl32::testing

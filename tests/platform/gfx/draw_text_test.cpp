// DrawTextOn's prefixes, line breaks, alignment and clipping, and the focus rectangle.

#include <gtest/gtest.h>

#include <limits>

#include "platform/gfx/draw_text.h"

namespace kelvo::gfx {
namespace {

using namespace textformat;

constexpr Rgb kWhite{255, 255, 255};

class DrawText : public ::testing::Test {
 protected:
  DrawText() : s(120, 60, 15, 15), reference(120, 60, 15, 15) {
    FontDesc f;
    f.name = std::u16string(kBuiltinFontName);
    for (Surface* surface : {&s, &reference}) {
      surface->SetFont(f);
      surface->SetBackColor(0x00FFFFFFu);
      surface->SetForeColor(0x00000000u);
    }
  }
  int Draw(std::u16string_view text, RectPx rect, unsigned format) { return DrawTextOn(s, text, rect, format); }
  const FontFace& Face() const { return s.Face(); }
  bool RowInkedBetween(int y, int from, int to) const {
    for (int x = from; x < to; ++x) {
      if (s.PixelAt(x, y) == kWhite) return false;
    }
    return true;
  }
  bool Blank(int x0, int y0, int x1, int y1) const {
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        if (s.PixelAt(x, y) != kWhite) return false;
      }
    }
    return true;
  }
  Surface s;
  Surface reference;
};

TEST_F(DrawText, AmpersandUnderlinesTheNextCharacter) {
  Draw(u"a&bc", {2, 3, 0, 0}, kNoClip);
  reference.DrawTextPx(2, 3, u"abc", {});
  const int markX = 2 + Face().Advance(u'a');
  const int markWidth = Face().Advance(u'b') - 1;
  EXPECT_TRUE(RowInkedBetween(3 + 11, markX, markX + markWidth));
  EXPECT_EQ(s.PixelAt(markX - 1, 3 + 11), kWhite);
  EXPECT_EQ(s.PixelAt(markX + markWidth, 3 + 11), kWhite);
  reference.FillRectPx({markX, 3 + 11, markX + markWidth, 3 + 12}, {});
  EXPECT_EQ(s.image(), reference.image());
}

TEST_F(DrawText, DoubleAmpersandDrawsOneAmpersand) {
  RectPx r{0, 0, 0, 0};
  const int height = DrawTextOn(s, u"R&&D", r, kNoClip);
  EXPECT_EQ(height, 13);
  reference.DrawTextPx(0, 0, u"R&D", {});
  EXPECT_EQ(s.image(), reference.image());
  const auto prints = s.TakePrints();
  ASSERT_EQ(prints.size(), 1u);
  EXPECT_EQ(prints[0].text, u"R&D");
}

TEST_F(DrawText, NoPrefixDrawsAmpersandsAsThemselves) {
  Draw(u"&x", {0, 0, 100, 20}, kNoPrefix);
  reference.DrawTextPx(0, 0, u"&x", {});
  EXPECT_EQ(s.image(), reference.image());
}

TEST_F(DrawText, ALoneTrailingAmpersandShowsNothing) {
  RectPx r{0, 0, 0, 0};
  EXPECT_EQ(DrawTextOn(s, u"&", r, kNoClip), 0);
  EXPECT_TRUE(s.TakePrints().empty());
  EXPECT_TRUE(Blank(0, 0, 120, 60));
}

TEST_F(DrawText, LineBreaksStartNewLines) {
  const int height = Draw(u"ab\r\ncd\ne", {4, 2, 0, 0}, kNoClip);
  EXPECT_EQ(height, 3 * 13);
  reference.DrawTextPx(4, 2, u"ab", {});
  reference.DrawTextPx(4, 15, u"cd", {});
  reference.DrawTextPx(4, 28, u"e", {});
  EXPECT_EQ(s.image(), reference.image());
}

TEST_F(DrawText, SingleLineIgnoresLineBreaks) {
  EXPECT_EQ(Draw(u"ab\r\ncd", {0, 0, 120, 60}, kSingleLine), 13);
  reference.DrawTextPx(0, 0, u"abcd", {});
  EXPECT_EQ(s.image(), reference.image());
}

TEST_F(DrawText, CalcRectMeasuresWithoutDrawing) {
  RectPx r{10, 5, 11, 6};
  const auto version = s.version();
  const int height = DrawTextOn(s, u"&Open\r\nwide line", r, kCalcRect);
  EXPECT_EQ(height, 26);
  EXPECT_EQ(r, (RectPx{10, 5, 10 + Face().Width(u"wide line"), 5 + 26}));
  EXPECT_EQ(s.version(), version);
  EXPECT_TRUE(s.TakePrints().empty());
}

TEST_F(DrawText, CentredSingleLineSitsInTheMiddleOfTheRectangle) {
  const int width = Face().Width(u"OK");
  const int bottom = Draw(u"OK", {10, 10, 110, 40}, kCenter | kSingleLine | kVCenter);
  const int x = 10 + (100 - width) / 2;
  const int y = 10 + (30 - 13) / 2;
  EXPECT_EQ(bottom, y - 10 + 13);
  reference.DrawTextPx(x, y, u"OK", {});
  EXPECT_EQ(s.image(), reference.image());
  const auto prints = s.TakePrints();
  ASSERT_EQ(prints.size(), 1u);
  EXPECT_EQ(prints[0].x, x);
  EXPECT_EQ(prints[0].y, y);
}

TEST_F(DrawText, RightAndBottomAlignment) {
  Draw(u"Z", {0, 0, 50, 40}, kRight | kBottom | kSingleLine);
  reference.DrawTextPx(50 - Face().Advance(u'Z'), 40 - 13, u"Z", {});
  EXPECT_EQ(s.image(), reference.image());
}

TEST_F(DrawText, TextIsClippedToTheRectangleUnlessNoClip) {
  Draw(u"WWWW", {0, 0, 7, 13}, kLeft);
  EXPECT_FALSE(Blank(0, 0, 7, 13));
  EXPECT_TRUE(Blank(7, 0, 120, 60));
  Draw(u"WWWW", {0, 20, 7, 33}, kNoClip);
  EXPECT_FALSE(Blank(7, 20, 120, 33));
}

TEST_F(DrawText, ClippedAccessKeyMarkStaysInside) {
  Draw(u"WW&W", {0, 0, 13, 13}, kLeft);
  EXPECT_TRUE(Blank(13, 0, 120, 60));
}

TEST_F(DrawText, WordBreakWrapsBetweenWords) {
  const int width = Face().Width(u"aa bb");
  const int height = Draw(u"aa bb cc", {0, 0, width, 60}, kWordBreak);
  EXPECT_EQ(height, 26);
  reference.DrawTextPx(0, 0, u"aa bb", {});
  reference.DrawTextPx(0, 13, u"cc", {});
  EXPECT_EQ(s.image(), reference.image());
}

TEST_F(DrawText, AWordWiderThanTheRectangleGetsItsOwnLine) {
  RectPx r{0, 0, 5, 0};
  EXPECT_EQ(DrawTextOn(s, u"a longword b", r, kWordBreak | kCalcRect), 3 * 13);
  EXPECT_EQ(r.right, Face().Width(u"longword"));
}

TEST_F(DrawText, DrawsInTheForeColourAndRecordsIt) {
  s.SetForeColor(0x80000010u);
  Draw(u"&Save", {3, 4, 0, 0}, kNoClip);
  const auto prints = s.TakePrints();
  ASSERT_EQ(prints.size(), 1u);
  EXPECT_EQ(prints[0].text, u"Save");
  EXPECT_EQ(prints[0].x, 3);
  EXPECT_EQ(prints[0].y, 4);
  EXPECT_EQ(prints[0].color, 0x80000010u);
  EXPECT_FALSE(Blank(0, 0, 60, 20));
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 60; ++x) {
      const Rgb p = s.PixelAt(x, y);
      EXPECT_TRUE(p == kWhite || p == (Rgb{128, 128, 128})) << x << "," << y;
    }
  }
}

TEST_F(DrawText, ExtremeRectanglesDoNotOverflow) {
  const int big = std::numeric_limits<int>::max();
  const int small = std::numeric_limits<int>::min();
  Draw(u"x\ny", {small, small, big, big}, kCenter | kSingleLine | kVCenter);
  Draw(u"x\ny", {big, big, small, small}, kRight | kSingleLine | kBottom);
  RectPx r{big - 1, big - 1, 0, 0};
  DrawTextOn(s, u"wide\nwide", r, kCalcRect);
  Draw(u"a b c", {small, 0, small + 1, 10}, kWordBreak);
  SUCCEED();
}

TEST(FocusRect, InvertsADottedOutlineThatASecondDrawingRemoves) {
  Surface s(30, 20, 15, 15);
  s.SetBackColor(0x00FFFFFFu);
  const Image before = s.image();
  DrawFocusRectOn(s, {4, 4, 26, 16});
  EXPECT_EQ(s.PixelAt(4, 4), (Rgb{0, 0, 0}));
  EXPECT_EQ(s.PixelAt(5, 4), (Rgb{255, 255, 255}));
  EXPECT_EQ(s.PixelAt(6, 4), (Rgb{0, 0, 0}));
  EXPECT_EQ(s.PixelAt(25, 15), (Rgb{0, 0, 0}));  // bottom-right pixel: (x + y) even
  EXPECT_EQ(s.PixelAt(4, 6), (Rgb{0, 0, 0}));
  EXPECT_EQ(s.PixelAt(6, 6), (Rgb{255, 255, 255}));  // inside stays
  EXPECT_EQ(s.PixelAt(26, 16), (Rgb{255, 255, 255}));  // right and bottom are exclusive
  DrawFocusRectOn(s, {4, 4, 26, 16});
  EXPECT_EQ(s.image(), before);
}

TEST(FocusRect, PartlyOutsideOrEmptyRectanglesAreHarmless) {
  Surface s(10, 10, 15, 15);
  const Image before = s.image();
  DrawFocusRectOn(s, {5, 5, 5, 9});
  DrawFocusRectOn(s, {9, 9, 3, 3});
  EXPECT_EQ(s.image(), before);
  DrawFocusRectOn(s, {-5, -5, 100, 100});
  DrawFocusRectOn(s, {std::numeric_limits<int>::min(), 2, std::numeric_limits<int>::max(), 3});
  DrawFocusRectOn(s, {-5, -5, 100, 100});
  DrawFocusRectOn(s, {std::numeric_limits<int>::min(), 2, std::numeric_limits<int>::max(), 3});
  EXPECT_EQ(s.image(), before);
}

}  // namespace
}  // namespace kelvo::gfx

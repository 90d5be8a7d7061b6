// Fonts: the built-in bitmap font's coverage, measures and drawing, the font
// source switch, the face cache and the system font fallback.

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "platform/gfx/builtin_glyphs.h"
#include "platform/gfx/font.h"
#include "platform/gfx/font_match.h"
#include "platform/gfx/image.h"

namespace kelvo::gfx {
namespace {

constexpr std::uint32_t kPaper = 0xFFFFFFFFu;
constexpr Rgb kInk{0, 0, 0};

FontDesc Builtin(double size = 8.25) {
  FontDesc f;
  f.name = std::u16string(kBuiltinFontName);
  f.size = size;
  return f;
}

int InkIn(const Image& image) {
  int n = 0;
  for (std::uint32_t p : image.pixels()) n += p != kPaper ? 1 : 0;
  return n;
}

TEST(BuiltinGlyphs, CoverPrintableAsciiAndLatin1) {
  for (int ch = 0x20; ch <= 0x7E; ++ch) EXPECT_NE(builtin::FindGlyph(static_cast<char16_t>(ch)), nullptr) << ch;
  for (int ch = 0xA0; ch <= 0xFF; ++ch) EXPECT_NE(builtin::FindGlyph(static_cast<char16_t>(ch)), nullptr) << ch;
  EXPECT_EQ(builtin::FindGlyph(u'\u4E2D'), nullptr);
}

TEST(BuiltinGlyphs, EveryVisibleCharacterHasInkAndDistinctLettersDiffer) {
  const auto inked = [](char16_t ch) {
    const builtin::Glyph* g = builtin::FindGlyph(ch);
    for (auto row : g->rows) {
      if (row != 0) return true;
    }
    return false;
  };
  for (int ch = 0x21; ch <= 0x7E; ++ch) EXPECT_TRUE(inked(static_cast<char16_t>(ch))) << ch;
  for (int ch = 0xA1; ch <= 0xFF; ++ch) EXPECT_TRUE(inked(static_cast<char16_t>(ch))) << ch;
  EXPECT_FALSE(inked(u' '));
  EXPECT_NE(builtin::FindGlyph(u'O')->rows, builtin::FindGlyph(u'0')->rows);
  EXPECT_NE(builtin::FindGlyph(u'e')->rows, builtin::FindGlyph(u'é')->rows);
  EXPECT_NE(builtin::FindGlyph(u'é')->rows, builtin::FindGlyph(u'è')->rows);
}

TEST(BuiltinGlyphs, AccentsSitAboveTheLetterAndCedillaBelow) {
  const builtin::Glyph* a = builtin::FindGlyph(u'Á');
  EXPECT_NE(a->rows[0] | a->rows[1], 0);
  EXPECT_EQ(a->rows[2], 0);
  const builtin::Glyph* c = builtin::FindGlyph(u'ç');
  EXPECT_NE(c->rows[10] | c->rows[11], 0);
  const builtin::Glyph* i = builtin::FindGlyph(u'í');  // a dotless i under the accent
  EXPECT_EQ(i->rows[4], 0);
}

TEST(BuiltinFace, MeasuresAreSumsOfProportionalAdvances) {
  const auto face = ResolveFont(Builtin(), 96);
  EXPECT_EQ(face->Ascent(), 10);
  EXPECT_EQ(face->Descent(), 3);
  EXPECT_EQ(face->Height(), 13);
  EXPECT_LT(face->Advance(u'i'), face->Advance(u'W'));
  EXPECT_EQ(face->Width(u"Wi é"), face->Advance(u'W') + face->Advance(u'i') + face->Advance(u' ') + face->Advance(u'é'));
  EXPECT_EQ(face->Advance(u'\r'), 0);
  EXPECT_EQ(face->Advance(u'\u4E2D'), face->Advance(u'?'));
}

TEST(BuiltinFace, BoldAddsOnePixelToEachAdvance) {
  FontDesc bold = Builtin();
  bold.bold = true;
  const auto normal = ResolveFont(Builtin(), 96);
  const auto heavy = ResolveFont(bold, 96);
  EXPECT_EQ(heavy->Width(u"abc"), normal->Width(u"abc") + 3);
  Image a(20, 13, kPaper), b(20, 13, kPaper);
  normal->Draw(a, 0, 0, u"l", kInk);
  heavy->Draw(b, 0, 0, u"l", kInk);
  EXPECT_EQ(InkIn(b), 2 * InkIn(a));  // a one-pixel stem drawn twice side by side
}

TEST(BuiltinFace, LargerSizesScaleByWholeFactors) {
  const auto small = ResolveFont(Builtin(8.25), 96);
  const auto large = ResolveFont(Builtin(24), 96);  // 32 pixels: three times the design size
  EXPECT_EQ(large->Height(), 3 * small->Height());
  EXPECT_EQ(large->Advance(u'A'), 3 * small->Advance(u'A'));
  EXPECT_EQ(ResolveFont(Builtin(8.25), 120)->Height(), 13);
}

TEST(BuiltinFace, AbsurdSizesStayWithinBounds) {
  EXPECT_EQ(ResolveFont(Builtin(-3), 96)->Height(), 13);
  EXPECT_EQ(ResolveFont(Builtin(std::numeric_limits<double>::quiet_NaN()), 96)->Height(), 13);
  EXPECT_LE(ResolveFont(Builtin(1e12), 96)->Height(), 13 * 32);
}

TEST(BuiltinFace, DrawsThePixelsOfItsGlyphs) {
  const auto face = ResolveFont(Builtin(), 96);
  Image image(10, 13, kPaper);
  face->Draw(image, 1, 0, u"I", kInk);  // "###" on the capital line, one column in
  EXPECT_EQ(image.RgbAt(1, 3), kInk);
  EXPECT_EQ(image.RgbAt(3, 3), kInk);
  EXPECT_EQ(image.RgbAt(2, 6), kInk);
  EXPECT_EQ(image.RgbAt(1, 6), (Rgb{255, 255, 255}));
  EXPECT_EQ(image.RgbAt(0, 3), (Rgb{255, 255, 255}));
  EXPECT_EQ(image.RgbAt(2, 2), (Rgb{255, 255, 255}));
}

TEST(BuiltinFace, UnderlineAndStrikethroughRunUnderTheWholeText) {
  FontDesc f = Builtin();
  f.underline = true;
  f.strikethrough = true;
  const auto face = ResolveFont(f, 96);
  Image image(40, 13, kPaper);
  face->Draw(image, 0, 0, u"a b", kInk);
  for (int x = 0; x < face->Width(u"a b"); ++x) {
    EXPECT_EQ(image.RgbAt(x, builtin::kUnderlineRow), kInk) << x;
    EXPECT_EQ(image.RgbAt(x, builtin::kStrikeRow), kInk) << x;
  }
  EXPECT_EQ(image.RgbAt(face->Width(u"a b"), builtin::kUnderlineRow), (Rgb{255, 255, 255}));
}

TEST(BuiltinFace, DrawingIsClippedToTheImage) {
  const auto face = ResolveFont(Builtin(24), 96);
  Image image(5, 5, kPaper);
  face->Draw(image, -12, -9, u"WWW", kInk);  // the right stem of the first W at x 0..2
  face->Draw(image, 4, -9, u"WWW", kInk);    // the left stem at x 4..6
  face->Draw(image, std::numeric_limits<int>::max() - 10, 0, u"WWW", kInk);
  EXPECT_EQ(InkIn(image), 4 * 5);
  FontDesc lined = Builtin(24);
  lined.underline = lined.strikethrough = true;
  for (const FontDesc& desc : {lined, FontDesc{}}) {
    const auto f = ResolveFont(desc, 96);
    f->Draw(image, 0, std::numeric_limits<int>::max(), u"W", kInk);
    f->Draw(image, std::numeric_limits<int>::min(), std::numeric_limits<int>::min(), u"W", kInk);
  }
  EXPECT_EQ(InkIn(image), 4 * 5);
}

class FontSourceTest : public ::testing::Test {
 protected:
  ~FontSourceTest() override { SetFontSource(FontSource::System); }
};

TEST_F(FontSourceTest, BuiltinSourceDrawsEveryFontWithTheBuiltinFont) {
  SetFontSource(FontSource::Builtin);
  EXPECT_EQ(CurrentFontSource(), FontSource::Builtin);
  FontDesc arial;
  arial.name = u"Arial";
  const auto face = ResolveFont(arial, 96);
  const auto builtin = ResolveFont(Builtin(), 96);
  EXPECT_EQ(face->Height(), builtin->Height());
  EXPECT_EQ(face->Width(u"Hello, world"), builtin->Width(u"Hello, world"));
}

TEST_F(FontSourceTest, FacesAreCachedPerDescriptionAndResolution) {
  FontDesc f;
  EXPECT_EQ(ResolveFont(f, 96).get(), ResolveFont(f, 96).get());
  EXPECT_NE(ResolveFont(f, 96).get(), ResolveFont(f, 120).get());
  FontDesc bold = f;
  bold.bold = true;
  EXPECT_NE(ResolveFont(f, 96).get(), ResolveFont(bold, 96).get());
}

TEST_F(FontSourceTest, SystemFontsDrawSomethingLegibleSized) {
  FontDesc f;  // MS Sans Serif 8.25
  const auto face = ResolveFont(f, 96);
  EXPECT_GE(face->Height(), 9);
  EXPECT_LE(face->Height(), 20);
  Image image(60, 20, kPaper);
  face->Draw(image, 0, 0, u"Kelvo", kInk);
  EXPECT_GT(InkIn(image), 10);
}

TEST(FontMatch, ClassicNamesMapToCompatibleFamilies) {
  EXPECT_EQ(CandidateFamilies(u"Arial").front(), "Liberation Sans");
  EXPECT_EQ(CandidateFamilies(u"courier new").front(), "Liberation Mono");
  EXPECT_EQ(CandidateFamilies(u"MS Sans Serif").back(), "sans-serif");
  EXPECT_EQ(CandidateFamilies(u"Verdana"), std::vector<std::string>{"Verdana"});
}

TEST(FontMatch, FindsAnInstalledFileForAnyName) {
  FontDesc f;
  f.name = u"No Such Font At All";
  const auto file = MatchSystemFont(f);
  if (!file) GTEST_SKIP() << "no fonts installed";
  EXPECT_TRUE(std::filesystem::exists(file->path));
}

}  // namespace
}  // namespace kelvo::gfx

// KelvoPanel3D: creation values, persistence, setters and the double frame to
// the pixel at 96 and 120 dpi.
#include "klvctl32/decor/panel3d/panel3d.h"

#include <gtest/gtest.h>

#include "decor_fixture.h"
#include "platform/com/error.h"

namespace kelvo::klvctl32::decor_tests {
namespace {

struct Edge {
  gfx::OleColor topLeft, bottomRight;
};

// The panel's frame figure in pixels: top row and left column without the
// last pixel in the top-left colour, the whole bottom row and the right column
// above it in the bottom-right colour.
void Frame(ReferenceImage& img, int x1, int y1, int x2, int y2, Edge e) {
  img.Row(y1, x1, x2 - 1, e.topLeft);
  img.Column(x1, y1, y2 - 1, e.topLeft);
  img.Row(y2, x1, x2, e.bottomRight);
  img.Column(x2, y1, y2 - 1, e.bottomRight);
}

ReferenceImage PanelPicture(int w, int h, int d, gfx::OleColor back, Edge outer, Edge inner) {
  ReferenceImage img(w, h, back);
  Frame(img, 0, 0, w - 1, h - 1, outer);
  Frame(img, d, d, w - 1 - d, h - 1 - d, inner);
  return img;
}

class Panel3DAtDpi : public ::testing::TestWithParam<int> {};

TEST_P(Panel3DAtDpi, DefaultsDrawRaisedOutsideLoweredInside) {
  Hosted<KelvoPanel3D> p(100, 60, GetParam());
  p.control->Show();
  EXPECT_TRUE(Matches(p.site.surface(), PanelPicture(100, 60, 5, kFace, {kLight, kShadow}, {kShadow, kLight})));
}

TEST_P(Panel3DAtDpi, BorderWidthZeroDrawsTheInnerFrameOverTheOuter) {
  Hosted<KelvoPanel3D> p(40, 30, GetParam());
  p.Let(u"BorderWidth", com::Variant::Integer(0));
  EXPECT_TRUE(Matches(p.site.surface(), PanelPicture(40, 30, 0, kFace, {kLight, kShadow}, {kShadow, kLight})));
}

TEST_P(Panel3DAtDpi, WideBorderWidthMovesTheInnerFrame) {
  Hosted<KelvoPanel3D> p(80, 50, GetParam());
  p.Let(u"BorderWidth", com::Variant::Integer(12));
  EXPECT_TRUE(Matches(p.site.surface(), PanelPicture(80, 50, 12, kFace, {kLight, kShadow}, {kShadow, kLight})));
}

INSTANTIATE_TEST_SUITE_P(TwipsPerPixel, Panel3DAtDpi, ::testing::Values(15, 12));

TEST(Panel3DPicture, NoBordersLeaveAPlainBackground) {
  Hosted<KelvoPanel3D> p(30, 20, 15);
  p.Let(u"BorderOut", com::Variant::Long(KelvoPanel3D::KLVPN_None));
  p.Let(u"BorderIn", com::Variant::Long(KelvoPanel3D::KLVPN_None));
  p.Let(u"BackColor", com::Variant::Long(0x00336699));
  EXPECT_TRUE(Matches(p.site.surface(), ReferenceImage(30, 20, 0x00336699)));
}

TEST(Panel3DPicture, AnyOtherStyleDrawsLowered) {
  Hosted<KelvoPanel3D> p(30, 20, 15);
  p.Let(u"BorderOut", com::Variant::Long(3));
  p.Let(u"BorderIn", com::Variant::Long(-7));
  EXPECT_TRUE(Matches(p.site.surface(), PanelPicture(30, 20, 5, kFace, {kShadow, kLight}, {kShadow, kLight})));
}

TEST(Panel3DPicture, BackColorRepaintsAndBecomesTheSurfaceBackground) {
  Hosted<KelvoPanel3D> p(30, 20, 15);
  p.control->Show();
  p.Let(u"BackColor", com::Variant::Long(0x000000FF));
  EXPECT_EQ(p.site.surface().BackColor(), 0x000000FFu);
  EXPECT_TRUE(Matches(p.site.surface(), PanelPicture(30, 20, 5, 0x000000FF, {kLight, kShadow}, {kShadow, kLight})));
}

TEST(Panel3DPicture, ResizeRedrawsAtTheNewSize) {
  Hosted<KelvoPanel3D> p(30, 20, 15);
  p.control->Show();
  p.site.Resize(50 * 15, 40 * 15);
  EXPECT_TRUE(Matches(p.site.surface(), PanelPicture(50, 40, 5, kFace, {kLight, kShadow}, {kShadow, kLight})));
}

// Sizes past the 16-bit twips range are clamped: nothing overflows, the
// frame's far edges stop at 32767 twips.
TEST(Panel3DPicture, HugePanelIsClampedNotOverflowed) {
  Hosted<KelvoPanel3D> p(2500, 3, 15);
  p.Let(u"BorderWidth", com::Variant::Integer(32767));
  const gfx::Surface& s = p.site.surface();
  EXPECT_EQ(s.PixelAt(0, 0), gfx::ResolveColor(kLight));
  EXPECT_EQ(s.PixelAt(2499, 1), gfx::ResolveColor(kFace));  // the right edge stops at 32767 twips
}

TEST(Panel3DLifecycle, CreationValues) {
  Hosted<KelvoPanel3D> p(10, 10, 15);
  EXPECT_EQ(p.Get(u"BackColor"), ColorValue(kFace));
  EXPECT_EQ(p.Get(u"Light3DColor"), ColorValue(kLight));
  EXPECT_EQ(p.Get(u"Shadow3DColor"), ColorValue(kShadow));
  EXPECT_EQ(p.Get(u"BorderOut").ToLong(), 1);
  EXPECT_EQ(p.Get(u"BorderIn").ToLong(), 2);
  EXPECT_EQ(p.Get(u"BorderWidth"), com::Variant::Integer(5));
}

TEST(Panel3DLifecycle, BackColorStartsAsTheSurfaceBackground) {
  testing::TestSite site(10, 10, 15);
  site.surface().SetBackColor(0x00112233);
  const auto panel = com::MakeObject<KelvoPanel3D>();
  site.Attach(*panel);
  panel->Initialize();
  EXPECT_EQ(panel->BackColor(), 0x00112233u);
}

TEST(Panel3DLifecycle, InitializeDrawsNothing) {
  Hosted<KelvoPanel3D> p(10, 10, 15);
  EXPECT_TRUE(Matches(p.site.surface(), ReferenceImage(10, 10, kFace)));
}

TEST(Panel3DPersistence, WritesEveryKeyInOrderWithItsType) {
  Hosted<KelvoPanel3D> p(10, 10, 15);
  const BagEntries expected = {
      {u"BackColor", ColorValue(kFace)},
      {u"Light3DColor", ColorValue(kLight)},
      {u"Shadow3DColor", ColorValue(kShadow)},
      {u"BorderIn", com::Variant::Integer(2)},
      {u"BorderOut", com::Variant::Integer(1)},
      {u"BorderWidth", com::Variant::Integer(5)},
  };
  EXPECT_EQ(Saved(p), expected);
}

TEST(Panel3DPersistence, ReadsInOrderAndRepaints) {
  Hosted<KelvoPanel3D> p(30, 20, 15);
  RecordingBag bag;
  bag.Set(u"BorderWidth", com::Variant::Integer(3));
  bag.Set(u"BackColor", com::Variant::Long(0x00FF0000));
  p.control->ReadProperties(bag);
  EXPECT_EQ(bag.reads(), (std::vector<std::u16string>{u"BackColor", u"Light3DColor", u"Shadow3DColor", u"BorderIn",
                                                      u"BorderOut", u"BorderWidth"}));
  EXPECT_TRUE(Matches(p.site.surface(), PanelPicture(30, 20, 3, 0x00FF0000, {kLight, kShadow}, {kShadow, kLight})));
}

TEST(Panel3DPersistence, EmptyBagKeepsCreationValuesAndStillRepaints) {
  Hosted<KelvoPanel3D> p(30, 20, 15);
  RecordingBag bag;
  p.control->ReadProperties(bag);
  EXPECT_EQ(p.control->BorderWidth(), 5);
  EXPECT_EQ(p.control->BorderOut(), 1);
  EXPECT_TRUE(Matches(p.site.surface(), PanelPicture(30, 20, 5, kFace, {kLight, kShadow}, {kShadow, kLight})));
}

TEST(Panel3DPersistence, SavedBagLoadsBackTheSameValues) {
  Hosted<KelvoPanel3D> a(10, 10, 15);
  a.Let(u"Shadow3DColor", com::Variant::Long(0x00010203));
  a.Let(u"BorderIn", com::Variant::Long(0));
  a.Let(u"BorderWidth", com::Variant::Integer(-4));
  RecordingBag saved;
  a.control->WriteProperties(saved);
  Hosted<KelvoPanel3D> b(10, 10, 15);
  b.control->ReadProperties(saved);
  EXPECT_EQ(Saved(b), saved.entries());
}

TEST(Panel3DSetters, EachNotifiesItsOwnName) {
  Hosted<KelvoPanel3D> p(10, 10, 15);
  p.Let(u"Light3DColor", com::Variant::Long(1));
  p.Let(u"Shadow3DColor", com::Variant::Long(2));
  p.Let(u"BackColor", com::Variant::Long(3));
  p.Let(u"BorderOut", com::Variant::Long(0));
  p.Let(u"BorderIn", com::Variant::Long(0));
  p.Let(u"BorderWidth", com::Variant::Integer(1));
  EXPECT_EQ(p.site.TakeChanged(), "Light3DColor Shadow3DColor BackColor BorderOut BorderIn BorderWidth");
}

TEST(Panel3DSetters, BorderStyleBeyondSixteenBitsIsAnOverflow) {
  Hosted<KelvoPanel3D> p(10, 10, 15);
  try {
    p.Let(u"BorderOut", com::Variant::Long(40000));
    FAIL() << "no error";
  } catch (const com::Error& e) {
    EXPECT_EQ(e.number(), com::err::kOverflow);
  }
  EXPECT_EQ(p.control->BorderOut(), 1);
  EXPECT_EQ(p.site.TakeChanged(), "");
}

TEST(Panel3DSetters, UnknownMemberIsError438) {
  Hosted<KelvoPanel3D> p(10, 10, 15);
  try {
    p.Get(u"Caption");
    FAIL() << "no error";
  } catch (const com::Error& e) {
    EXPECT_EQ(e.number(), com::err::kNoSuchMember);
  }
}

}  // namespace
}  // namespace kelvo::klvctl32::decor_tests

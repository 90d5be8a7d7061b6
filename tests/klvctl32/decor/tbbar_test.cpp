// KelvoTBBar: automatic height, grip and frame pixels, grip events and the
// Resize event on every assignment.
#include "klvctl32/decor/tbbar/tbbar.h"

#include <gtest/gtest.h>

#include "decor_fixture.h"

namespace kelvo::klvctl32::decor_tests {
namespace {

// The bar's frame figure in pixels: light top row x1..x2-1 and left column
// y1..y2, shadow bottom row x1+1..x2 and right column y1..y2-1.
void BarFrame(ReferenceImage& img, int x1, int y1, int x2, int y2) {
  img.Row(y1, x1, x2 - 1, kLight);
  img.Row(y2, x1 + 1, x2, kShadow);
  img.Column(x1, y1, y2, kLight);
  img.Column(x2, y1, y2 - 1, kShadow);
}

ReferenceImage BarPicture(int w, int h, int ridges) {
  ReferenceImage img(w, h, kFace);
  if (ridges >= 1) BarFrame(img, 4, 2, 6, h - 3);
  if (ridges >= 2) BarFrame(img, 7, 2, 9, h - 3);
  BarFrame(img, 0, 0, w - 1, h - 1);
  return img;
}

class TBBarAtDpi : public ::testing::TestWithParam<int> {};

TEST_P(TBBarAtDpi, SixteenBarIsTwentySixPixelsHighWithTwoRidges) {
  const int tpp = GetParam();
  Hosted<KelvoTBBar> b(200, 50, tpp);
  b.control->Resize();
  EXPECT_EQ(b.site.Height(), 26 * tpp);
  EXPECT_TRUE(Matches(b.site.surface(), BarPicture(200, 26, 2)));
}

TEST_P(TBBarAtDpi, ThirtyTwoBarIsFortyOnePixelsHigh) {
  const int tpp = GetParam();
  Hosted<KelvoTBBar> b(200, 20, tpp);
  b.Let(u"AutoHeight", com::Variant::Long(KelvoTBBar::kcBarTo32x32));
  EXPECT_EQ(b.site.Height(), 41 * tpp);
  EXPECT_TRUE(Matches(b.site.surface(), BarPicture(200, 41, 2)));
}

TEST_P(TBBarAtDpi, GripClickAtNinePixelsClicksTheGripAtTenTheBar) {
  const int tpp = GetParam();
  Hosted<KelvoTBBar> b(200, 26, tpp);
  b.control->MouseUp(1, 0, static_cast<float>(9 * tpp), 30);
  EXPECT_EQ(b.site.TakeEvents(), "MouseUp(1, " + std::to_string(9 * tpp) + ", 30) LeftLinesClick(1)");
  b.control->MouseUp(1, 0, static_cast<float>(10 * tpp), 30);
  EXPECT_EQ(b.site.TakeEvents(), "MouseUp(1, " + std::to_string(10 * tpp) + ", 30) Click(1)");
}

INSTANTIATE_TEST_SUITE_P(TwipsPerPixel, TBBarAtDpi, ::testing::Values(15, 12));

TEST(TBBarHeight, DocumentedTwipsAtFifteenTwipsPerPixel) {
  Hosted<KelvoTBBar> b(200, 50, 15);
  b.control->Resize();
  EXPECT_EQ(b.site.Height(), 390);
  b.Let(u"AutoHeight", com::Variant::Long(KelvoTBBar::kcBarTo32x32));
  EXPECT_EQ(b.site.Height(), 615);
}

TEST(TBBarHeight, NoneLeavesTheHeightAlone) {
  Hosted<KelvoTBBar> b(200, 50, 15);
  b.Let(u"AutoHeight", com::Variant::Long(KelvoTBBar::kcNone));
  EXPECT_EQ(b.site.Height(), 750);
  EXPECT_TRUE(Matches(b.site.surface(), BarPicture(200, 50, 2)));
}

TEST(TBBarHeight, AnyOtherValueIsFortyOnePixels) {
  Hosted<KelvoTBBar> b(200, 50, 15);
  b.Let(u"AutoHeight", com::Variant::Long(9));
  EXPECT_EQ(b.site.Height(), 615);
}

TEST(TBBarPicture, OneRidgeWhenShowTwoLeftLinesIsOff) {
  Hosted<KelvoTBBar> b(100, 26, 15);
  b.Let(u"ShowTwoLeftLines", com::Variant::Boolean(false));
  EXPECT_TRUE(Matches(b.site.surface(), BarPicture(100, 26, 1)));
}

TEST(TBBarPicture, NoGripWithoutShowLeftLines) {
  Hosted<KelvoTBBar> b(100, 26, 15);
  b.Let(u"ShowLeftLines", com::Variant::Boolean(false));
  EXPECT_TRUE(Matches(b.site.surface(), BarPicture(100, 26, 0)));
}

TEST(TBBarPicture, ShowDrawsWithoutClearingOrEvent) {
  Hosted<KelvoTBBar> b(100, 26, 15);
  b.site.surface().FillRectPx({50, 10, 60, 15}, {1, 2, 3});
  b.control->Show();
  EXPECT_EQ(b.site.surface().PixelAt(55, 12), (gfx::Rgb{1, 2, 3}));
  EXPECT_EQ(b.site.TakeEvents(), "");
}

TEST(TBBarPicture, BackColorBecomesTheSurfaceBackground) {
  Hosted<KelvoTBBar> b(100, 26, 15);
  b.Let(u"BackColor", com::Variant::Long(0x00C08040));
  EXPECT_EQ(b.site.surface().BackColor(), 0x00C08040u);
  EXPECT_EQ(b.site.surface().PixelAt(50, 12), gfx::ResolveColor(0x00C08040));
}

TEST(TBBarEvents, EveryAssignmentRaisesResize) {
  Hosted<KelvoTBBar> b(100, 26, 15);
  b.Let(u"Light3DColor", com::Variant::Long(1));
  b.Let(u"Shadow3DColor", com::Variant::Long(2));
  b.Let(u"BackColor", com::Variant::Long(3));
  b.Let(u"ShowLeftLines", com::Variant::Boolean(true));
  b.Let(u"ShowTwoLeftLines", com::Variant::Boolean(true));
  b.Let(u"AutoHeight", com::Variant::Long(1));
  EXPECT_EQ(b.site.TakeEvents(), "Resize() Resize() Resize() Resize() Resize() Resize()");
  EXPECT_EQ(b.site.TakeChanged(), "Light3DColor Shadow3DColor BackColor ShowLeftLines ShowTwoLeftLines AutoHeight");
}

// A new height is set from inside the Resize handling: the container's nested
// Resize raises its own event before the outer one.
TEST(TBBarEvents, HeightChangeRaisesTheNestedResizeFirst) {
  Hosted<KelvoTBBar> b(100, 50, 15);
  b.control->Resize();
  EXPECT_EQ(b.site.TakeEvents(), "Resize() Resize()");
}

TEST(TBBarEvents, PressOnTheGripReleasedElsewhere) {
  Hosted<KelvoTBBar> b(200, 26, 15);
  b.control->MouseDown(1, 0, 60, 100);
  EXPECT_EQ(b.site.TakeEvents(), "MouseDown(1, 60, 100)");
  b.control->MouseUp(1, 0, 1500, 100);
  EXPECT_EQ(b.site.TakeEvents(), "MouseUp(1, 1500, 100) Click(1) LeftLinesMouseMove(5, 1500, 100)");
  b.control->MouseUp(1, 0, 1500, 100);
  EXPECT_EQ(b.site.TakeEvents(), "MouseUp(1, 1500, 100) Click(1)");
}

TEST(TBBarEvents, PressAndReleaseOnTheGrip) {
  Hosted<KelvoTBBar> b(200, 26, 15);
  b.control->MouseDown(1, 0, 30, 100);
  b.control->MouseUp(1, 0, 45, 100);
  EXPECT_EQ(b.site.TakeEvents(),
            "MouseDown(1, 30, 100) MouseUp(1, 45, 100) LeftLinesClick(1) LeftLinesMouseMove(5, 45, 100)");
}

TEST(TBBarEvents, RightButtonReleaseRaisesOnlyMouseUp) {
  Hosted<KelvoTBBar> b(200, 26, 15);
  b.control->MouseDown(2, 0, 30, 100);
  b.control->MouseUp(2, 0, 30, 100);
  EXPECT_EQ(b.site.TakeEvents(), "MouseDown(2, 30, 100) MouseUp(2, 30, 100)");
}

TEST(TBBarEvents, MovesOnTheGripAlsoRaiseLeftLinesMouseMove) {
  Hosted<KelvoTBBar> b(200, 26, 15);
  b.control->MouseMove(0, 1, 135, 10);
  b.control->MouseMove(0, 1, 150, 10);
  EXPECT_EQ(b.site.TakeEvents(), "LeftLinesMouseMove(0, 135, 10) MouseMove(0, 135, 10) MouseMove(0, 150, 10)");
}

TEST(TBBarEvents, NoGripEventsWithoutShowLeftLines) {
  Hosted<KelvoTBBar> b(200, 26, 15);
  b.Let(u"ShowLeftLines", com::Variant::Boolean(false));
  b.site.TakeEvents();
  b.control->MouseMove(1, 0, 30, 10);
  b.control->MouseDown(1, 0, 30, 10);
  b.control->MouseUp(1, 0, 30, 10);
  EXPECT_EQ(b.site.TakeEvents(), "MouseMove(1, 30, 10) MouseDown(1, 30, 10) MouseUp(1, 30, 10) Click(1)");
}

// MouseDown's arguments are by reference: the grip test uses what the handler
// left in them.
TEST(TBBarEvents, MouseDownHandlerChangesDecideTheGripPress) {
  Hosted<KelvoTBBar> b(200, 26, 15);
  b.site.onEvent = [](std::u16string_view name, std::span<com::Variant> args) {
    if (name == u"MouseDown") args[0] = com::Variant::Integer(2);
  };
  b.control->MouseDown(1, 0, 30, 10);
  b.control->MouseUp(1, 0, 300, 10);
  EXPECT_EQ(b.site.TakeEvents(), "MouseDown(1, 30, 10) MouseUp(1, 300, 10) Click(1)");
}

TEST(TBBarEvents, MouseUpHandlerChangesDecideTheClick) {
  Hosted<KelvoTBBar> b(200, 26, 15);
  b.site.onEvent = [](std::u16string_view name, std::span<com::Variant> args) {
    if (name == u"MouseUp") args[1] = com::Variant::Single(30);
  };
  b.control->MouseUp(1, 0, 300, 10);
  EXPECT_EQ(b.site.TakeEvents(), "MouseUp(1, 300, 10) LeftLinesClick(1)");
}

TEST(TBBarEvents, DblClick) {
  Hosted<KelvoTBBar> b(200, 26, 15);
  b.control->DblClick();
  EXPECT_EQ(b.site.TakeEvents(), "DblClick()");
}

TEST(TBBarLifecycle, ANewBarAsksToBeAlignedToTheTop) {
  Hosted<KelvoTBBar> b(200, 26, 15);
  b.control->InitProperties();
  const auto& assigned = b.site.extender().assigned();
  ASSERT_EQ(assigned.count(u"Align"), 1u);
  EXPECT_EQ(assigned.at(u"Align").ToLong(), 1);
}

TEST(TBBarPersistence, WritesEveryKeyInOrderWithItsType) {
  Hosted<KelvoTBBar> b(10, 10, 15);
  const BagEntries expected = {
      {u"Light3DColor", ColorValue(kLight)},
      {u"Shadow3DColor", ColorValue(kShadow)},
      {u"BackColor", ColorValue(kFace)},
      {u"ShowLeftLines", com::Variant::Boolean(true)},
      {u"AutoHeight", com::Variant::Integer(1)},
      {u"ShowTwoLeftLines", com::Variant::Boolean(true)},
  };
  EXPECT_EQ(Saved(b), expected);
}

TEST(TBBarPersistence, LoadingSetsTheBackgroundWithoutRepainting) {
  Hosted<KelvoTBBar> b(10, 10, 15);
  RecordingBag bag;
  bag.Set(u"BackColor", com::Variant::Long(0x00FF00FF));
  bag.Set(u"AutoHeight", com::Variant::Integer(0));
  b.control->ReadProperties(bag);
  EXPECT_EQ(b.control->AutoHeight(), 0);
  EXPECT_EQ(b.site.surface().BackColor(), 0x00FF00FFu);
  EXPECT_TRUE(Matches(b.site.surface(), ReferenceImage(10, 10, 0x00FF00FF)));
  EXPECT_EQ(b.site.TakeEvents(), "");
}

}  // namespace
}  // namespace kelvo::klvctl32::decor_tests

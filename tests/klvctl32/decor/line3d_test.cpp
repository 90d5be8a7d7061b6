// KelvoLine3D: its forced thickness, both orientations and styles, and the
// persisted set.
#include "klvctl32/decor/line3d/line3d.h"

#include <gtest/gtest.h>

#include "decor_fixture.h"

namespace kelvo::klvctl32::decor_tests {
namespace {

ReferenceImage Horizontal(int length, gfx::OleColor first, gfx::OleColor second) {
  ReferenceImage img(length, 2, kFace);
  img.Row(0, 0, length - 1, first);
  img.Row(1, 0, length - 1, second);
  return img;
}

ReferenceImage Vertical(int length, gfx::OleColor first, gfx::OleColor second) {
  ReferenceImage img(2, length, kFace);
  img.Column(0, 0, length - 1, first);
  img.Column(1, 0, length - 1, second);
  return img;
}

class Line3DAtDpi : public ::testing::TestWithParam<int> {};

TEST_P(Line3DAtDpi, DefaultIsARaisedHorizontalLineTwoPixelsHigh) {
  const int tpp = GetParam();
  Hosted<KelvoLine3D> l(100, 10, tpp);
  l.control->Show();
  EXPECT_EQ(l.site.Height(), 2 * tpp);
  EXPECT_EQ(l.site.Width(), 100 * tpp);
  EXPECT_TRUE(Matches(l.site.surface(), Horizontal(100, kLight, kShadow)));
}

TEST_P(Line3DAtDpi, LoweredVerticalLine) {
  const int tpp = GetParam();
  Hosted<KelvoLine3D> l(10, 80, tpp);
  l.Let(u"LineOrientation", com::Variant::Long(KelvoLine3D::LnVertical));
  l.Let(u"LineStyle", com::Variant::Long(KelvoLine3D::LnLowered));
  EXPECT_EQ(l.site.Width(), 2 * tpp);
  EXPECT_EQ(l.site.Height(), 80 * tpp);
  EXPECT_TRUE(Matches(l.site.surface(), Vertical(80, kShadow, kLight)));
}

TEST_P(Line3DAtDpi, SwitchingToVerticalLeavesATwoByTwoSquare) {
  const int tpp = GetParam();
  Hosted<KelvoLine3D> l(100, 10, tpp);
  l.control->Show();
  l.Let(u"LineOrientation", com::Variant::Long(KelvoLine3D::LnVertical));
  EXPECT_EQ(l.site.Width(), 2 * tpp);
  EXPECT_EQ(l.site.Height(), 2 * tpp);
  EXPECT_TRUE(Matches(l.site.surface(), Vertical(2, kLight, kShadow)));
}

TEST_P(Line3DAtDpi, TheFormMakesItLongerAgain) {
  const int tpp = GetParam();
  Hosted<KelvoLine3D> l(2, 2, tpp);
  l.Let(u"LineOrientation", com::Variant::Long(KelvoLine3D::LnVertical));
  l.site.Resize(40.0 * tpp, 50.0 * tpp);
  EXPECT_TRUE(Matches(l.site.surface(), Vertical(50, kLight, kShadow)));
}

INSTANTIATE_TEST_SUITE_P(TwipsPerPixel, Line3DAtDpi, ::testing::Values(15, 12));

TEST(Line3DPicture, AnyOrientationButOneIsVertical) {
  Hosted<KelvoLine3D> l(10, 30, 15);
  l.Let(u"LineOrientation", com::Variant::Long(5));
  EXPECT_TRUE(Matches(l.site.surface(), Vertical(30, kLight, kShadow)));
}

TEST(Line3DPicture, AnyStyleButOneIsLowered) {
  Hosted<KelvoLine3D> l(40, 2, 15);
  l.Let(u"LineStyle", com::Variant::Long(0));
  EXPECT_TRUE(Matches(l.site.surface(), Horizontal(40, kShadow, kLight)));
}

TEST(Line3DPicture, ColoursRepaintAtOnce) {
  Hosted<KelvoLine3D> l(40, 2, 15);
  l.Let(u"Light3DColor", com::Variant::Long(0x0000FF00));
  l.Let(u"Shadow3DColor", com::Variant::Long(0x00FF0000));
  EXPECT_TRUE(Matches(l.site.surface(), Horizontal(40, 0x0000FF00, 0x00FF0000)));
}

TEST(Line3DPicture, RightSizeAsksTheContainerForNothing) {
  Hosted<KelvoLine3D> l(40, 2, 15);
  l.control->Show();
  EXPECT_EQ(l.site.setSizeCalls, 0);
}

TEST(Line3DPicture, ARefusingContainerCannotMakeItRecurseWithoutEnd) {
  Hosted<KelvoLine3D> l(40, 10, 15);
  l.site.refuseSize = true;
  l.control->Show();
  EXPECT_LE(l.site.maxResizeDepth, KelvoLine3D::kMaxNestedSizeRequests);
}

TEST(Line3DPersistence, WritesEveryKeyInOrderWithItsType) {
  Hosted<KelvoLine3D> l(10, 2, 15);
  const BagEntries expected = {
      {u"Light3DColor", ColorValue(kLight)},
      {u"Shadow3DColor", ColorValue(kShadow)},
      {u"LineStyle", com::Variant::Integer(1)},
      {u"LineOrientation", com::Variant::Integer(1)},
  };
  EXPECT_EQ(Saved(l), expected);
}

TEST(Line3DPersistence, LoadingDoesNotRepaint) {
  Hosted<KelvoLine3D> l(10, 10, 15);
  RecordingBag bag;
  bag.Set(u"LineOrientation", com::Variant::Integer(0));
  l.control->ReadProperties(bag);
  EXPECT_EQ(l.control->LineOrientation(), 0);
  EXPECT_EQ(l.site.setSizeCalls, 0);
  EXPECT_TRUE(Matches(l.site.surface(), ReferenceImage(10, 10, kFace)));
}

TEST(Line3DSetters, EachNotifiesItsOwnName) {
  Hosted<KelvoLine3D> l(10, 2, 15);
  l.Let(u"Light3DColor", com::Variant::Long(1));
  l.Let(u"Shadow3DColor", com::Variant::Long(2));
  l.Let(u"LineStyle", com::Variant::Long(2));
  l.Let(u"LineOrientation", com::Variant::Long(1));
  EXPECT_EQ(l.site.TakeChanged(), "Light3DColor Shadow3DColor LineStyle LineOrientation");
}

}  // namespace
}  // namespace kelvo::klvctl32::decor_tests

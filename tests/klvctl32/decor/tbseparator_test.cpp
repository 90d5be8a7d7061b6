// KelvoTBSeparator: forced width, automatic height and its two columns.
#include "klvctl32/decor/tbseparator/tbseparator.h"

#include <gtest/gtest.h>

#include "decor_fixture.h"

namespace kelvo::klvctl32::decor_tests {
namespace {

// Shadow column 0, light column 1, from row 0 to the last row but one.
ReferenceImage SeparatorPicture(int h, gfx::OleColor back = kFace) {
  ReferenceImage img(2, h, back);
  img.Column(0, 0, h - 2, kShadow);
  img.Column(1, 0, h - 2, kLight);
  return img;
}

class TBSeparatorAtDpi : public ::testing::TestWithParam<int> {};

TEST_P(TBSeparatorAtDpi, SixteenHeightIsTwentyTwoPixels) {
  const int tpp = GetParam();
  Hosted<KelvoTBSeparator> s(10, 40, tpp);
  s.control->Show();
  EXPECT_EQ(s.site.Width(), 2 * tpp);
  EXPECT_EQ(s.site.Height(), 22 * tpp);
  EXPECT_TRUE(Matches(s.site.surface(), SeparatorPicture(22)));
}

TEST_P(TBSeparatorAtDpi, ThirtyTwoHeightIsThirtySevenPixels) {
  const int tpp = GetParam();
  Hosted<KelvoTBSeparator> s(10, 10, tpp);
  s.Let(u"AutoHeight", com::Variant::Integer(2));
  EXPECT_EQ(s.site.Width(), 2 * tpp);
  EXPECT_EQ(s.site.Height(), 37 * tpp);
  EXPECT_TRUE(Matches(s.site.surface(), SeparatorPicture(37)));
}

TEST_P(TBSeparatorAtDpi, WiderOnTheFormSnapsBackToTwoPixels) {
  const int tpp = GetParam();
  Hosted<KelvoTBSeparator> s(2, 22, tpp);
  s.control->Show();
  s.site.Resize(20.0 * tpp, 22.0 * tpp);
  EXPECT_EQ(s.site.Width(), 2 * tpp);
  EXPECT_TRUE(Matches(s.site.surface(), SeparatorPicture(22)));
}

INSTANTIATE_TEST_SUITE_P(TwipsPerPixel, TBSeparatorAtDpi, ::testing::Values(15, 12));

TEST(TBSeparatorSize, DocumentedTwipsAtFifteenTwipsPerPixel) {
  Hosted<KelvoTBSeparator> s(10, 10, 15);
  s.control->Show();
  EXPECT_EQ(s.site.Width(), 30);
  EXPECT_EQ(s.site.Height(), 330);
  s.Let(u"AutoHeight", com::Variant::Integer(2));
  EXPECT_EQ(s.site.Width(), 30);
  EXPECT_EQ(s.site.Height(), 555);
}

TEST(TBSeparatorSize, OtherAutoHeightKeepsTheFormsHeight) {
  Hosted<KelvoTBSeparator> s(10, 30, 15);
  s.Let(u"AutoHeight", com::Variant::Integer(0));
  EXPECT_EQ(s.site.Width(), 30);
  EXPECT_EQ(s.site.Height(), 450);
  EXPECT_TRUE(Matches(s.site.surface(), SeparatorPicture(30)));
}

TEST(TBSeparatorSize, ARefusingContainerCannotMakeItRecurseWithoutEnd) {
  Hosted<KelvoTBSeparator> s(10, 30, 15);
  s.site.refuseSize = true;
  s.control->Show();
  EXPECT_LE(s.site.maxResizeDepth, KelvoTBSeparator::kMaxNestedSizeRequests);
}

TEST(TBSeparatorPicture, BackColorShowsOnlyInTheBottomRow) {
  Hosted<KelvoTBSeparator> s(2, 22, 15);
  s.control->Show();
  s.Let(u"BackColor", com::Variant::Long(0x000080FF));
  EXPECT_TRUE(Matches(s.site.surface(), SeparatorPicture(22, 0x000080FF)));
}

TEST(TBSeparatorPersistence, WritesEveryKeyInOrderWithItsType) {
  Hosted<KelvoTBSeparator> s(2, 22, 15);
  const BagEntries expected = {
      {u"Light3DColor", ColorValue(kLight)},
      {u"Shadow3DColor", ColorValue(kShadow)},
      {u"BackColor", ColorValue(kFace)},
      {u"AutoHeight", com::Variant::Integer(1)},
  };
  EXPECT_EQ(Saved(s), expected);
}

TEST(TBSeparatorPersistence, LoadingAppliesTheBackgroundAndRepaints) {
  Hosted<KelvoTBSeparator> s(10, 10, 15);
  RecordingBag bag;
  bag.Set(u"AutoHeight", com::Variant::Integer(2));
  bag.Set(u"BackColor", com::Variant::Long(0x00123456));
  s.control->ReadProperties(bag);
  EXPECT_EQ(s.site.surface().BackColor(), 0x00123456u);
  EXPECT_TRUE(Matches(s.site.surface(), SeparatorPicture(37, 0x00123456)));
}

TEST(TBSeparatorSetters, EachNotifiesItsOwnName) {
  Hosted<KelvoTBSeparator> s(2, 22, 15);
  s.Let(u"Light3DColor", com::Variant::Long(1));
  s.Let(u"Shadow3DColor", com::Variant::Long(2));
  s.Let(u"BackColor", com::Variant::Long(3));
  s.Let(u"AutoHeight", com::Variant::Integer(1));
  EXPECT_EQ(s.site.TakeChanged(), "Light3DColor Shadow3DColor BackColor AutoHeight");
  EXPECT_EQ(s.site.TakeEvents(), "");
}

}  // namespace
}  // namespace kelvo::klvctl32::decor_tests

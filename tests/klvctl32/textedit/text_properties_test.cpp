// The text-facing properties: Text, Mask, TextStyle, dcDataValue, and what
// the control does with its text on being left.

#include <gtest/gtest.h>

#include "fake_view.h"

namespace kelvo::klvctl32::testing {
namespace {

using Log = std::vector<std::string>;

TEST(TextProperty, ReadsWithOrWithoutTheLiterals) {
  Edit e(u"99/99", 5, u"");
  e.model.LetText(u"1234");
  EXPECT_EQ(e.model.Text(), u"12/34");
  e.s.IncludeLiterals = false;
  EXPECT_EQ(e.model.Text(), u"1234");
  EXPECT_EQ(e.model.TextWithoutMask(), u"1234");
}

TEST(TextProperty, AnOverLongValueIsCutToThePlaceholders) {
  Edit e(u"99/99", 5, u"");
  e.model.LetText(u"123456");
  EXPECT_EQ(e.s.StoredText, u"12/34");
}

TEST(TextProperty, AssigningRepaintsAndMarksWithoutChanged) {
  Edit e(u"(99)", 4, u"(12)", 3);
  e.view.Clear();
  e.model.LetText(u"56");
  EXPECT_EQ(e.view.log, (Log{"RedrawText", "Mark(Text)"}));
  e.view.Clear();
  e.model.LetText(u"  ");  // a blank text sends the caret home
  EXPECT_EQ(e.s.CursorPos, 1);
  EXPECT_EQ(e.view.log, (Log{"PlaceCaret", "RedrawText", "Mark(Text)"}));
}

TEST(TextProperty, ReadingAppliesTheStylePermanentlyAndCuts) {
  Edit e(u"", 3, u"abcdef");
  e.s.TextStyle = kcUpperCase;
  e.view.Clear();
  EXPECT_EQ(e.model.Text(), u"ABC");
  EXPECT_EQ(e.s.StoredText, u"ABC");
  EXPECT_EQ(e.view.log, (Log{"RedrawText"}));
}

TEST(TextProperty, ReadingIgnoresAFailingRepaint) {
  Edit e(u"", 10, u"abc ");
  e.view.failRedraw = true;
  EXPECT_EQ(e.model.Text(), u"abc");
}

TEST(TextProperty, ANonPositiveMaxLengthHoldsNothing) {
  for (const std::int16_t maxLength : {std::int16_t{0}, std::int16_t{-7}}) {
    Edit e(u"99/99", maxLength, u"");
    e.model.LetText(u"1234");
    EXPECT_EQ(e.model.Text(), u"");
    e.model.LetdcDataValue(u"12");
    EXPECT_EQ(e.s.StoredText, u"");
    e.Type(u"1");
    EXPECT_EQ(e.s.StoredText, u"");
  }
}

TEST(MaskProperty, ReLaysTheRawTextAndRaisesMaxLength) {
  Edit e(u"99/99", 5, u"12/34");
  e.view.Clear();
  e.model.LetMask(u"99-99-9999");
  EXPECT_EQ(e.s.MaxLength, 10);
  EXPECT_EQ(e.s.StoredText, u"12-34-    ");
  EXPECT_EQ(e.view.log, (Log{"RedrawText", "Mark(Mask)", "Mark(MaxLength)"}));
}

TEST(TextStyleProperty, PadLeftWithAnEmptyFillFillsWithSpaces) {
  Edit e(u"", 4, u"");
  e.model.LetTextStyle(kcPadLeft);
  EXPECT_EQ(e.s.StoredText, u"    ");
  EXPECT_EQ(e.s.FillChar, u" ");
  e.model.LetFillChar(u"0x");
  EXPECT_EQ(e.s.FillChar, u"0");
}

TEST(DataValue, AssigningCutsToMaxLengthAndPlacesTheCaretWhenFocused) {
  Edit e(u"", 4, u"ab", 2);
  e.view.holdsFocus = true;
  e.view.Clear();
  e.model.LetdcDataValue(u"123456");
  EXPECT_EQ(e.model.dcDataValue(), u"1234");
  EXPECT_EQ(e.s.CursorPos, 0);
  EXPECT_EQ(e.view.log, (Log{"PlaceCaret", "RedrawText", "Mark(dcDataValue)"}));
  e.view.holdsFocus = false;
  e.s.CursorPos = 2;
  e.model.LetdcDataValue(u"9");
  EXPECT_EQ(e.s.CursorPos, 2);
}

TEST(CompleteOnLeave, AnEmptyControlTakesTheDefaultValue) {
  Edit e(u"99/99", 5, u"");
  EXPECT_TRUE(e.model.IsEmpty());
  e.s.DefaultValue = u"01/01";
  e.model.CompleteOnLeave();
  EXPECT_EQ(e.s.StoredText, u"01/01");
}

TEST(CompleteOnLeave, PadsLeftAndPutsTheCaretAtTheEnd) {
  Edit e(u"", 5, u"12");
  e.s.TextStyle = kcPadLeft;
  e.s.FillChar = u"0";
  e.model.CompleteOnLeave();
  EXPECT_EQ(e.s.StoredText, u"00012");
  EXPECT_EQ(e.s.CursorPos, 5);
}

}  // namespace
}  // namespace kelvo::klvctl32::testing

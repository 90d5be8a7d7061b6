// The text-facing properties: Text, Mask, TextStyle, FillChar, dcDataValue,
// IsEmpty and what the control does on being left.

#include <gtest/gtest.h>

#include "fake_view.h"

namespace kelvo::klvctl32::testing {
namespace {

using Log = std::vector<std::string>;

TEST(TextProperty, ReadsWithOrWithoutTheLiterals) {
  Edit e(u"99/99", 5, u"");
  e.model.LetText(u"1234");
  EXPECT_EQ(e.model.Text(), u"12/34");
  e.model.LetIncludeLiterals(false);
  EXPECT_EQ(e.model.Text(), u"1234");
  EXPECT_EQ(e.model.TextWithoutMask(), u"1234");
  e.model.LetIncludeLiterals(true);
  EXPECT_EQ(e.model.TextWithoutMask(), u"1234");
}

TEST(TextProperty, AnOverLongValueIsTakenAsRawCharacters) {
  Edit e(u"99/99", 5, u"");
  e.model.LetText(u"123456");
  EXPECT_EQ(e.s.StoredText, u"12/34");
}

TEST(TextProperty, AssigningRepaintsAndMarksWithoutChanged) {
  Edit e(u"99/99", 5, u"12/34", 3);
  e.view.Clear();
  e.model.LetText(u"5678");
  EXPECT_EQ(e.view.log, (Log{"RedrawText", "Mark(Text)"}));
}

TEST(TextProperty, AssigningABlankTextMovesTheCaretHome) {
  Edit e(u"(99)", 4, u"(12)", 3);
  e.view.Clear();
  e.model.LetText(u"  ");
  EXPECT_EQ(e.s.CursorPos, 1);
  EXPECT_EQ(e.view.log, (Log{"PlaceCaret", "RedrawText", "Mark(Text)"}));
}

TEST(TextProperty, ReadingAppliesTheCaseStylePermanently) {
  Edit e(u"", 10, u"abc");
  e.s.TextStyle = kcUpperCase;
  e.view.Clear();
  EXPECT_EQ(e.model.Text(), u"ABC");
  EXPECT_EQ(e.s.StoredText, u"ABC");
  EXPECT_EQ(e.view.log, (Log{"RedrawText"}));
}

TEST(TextProperty, ReadingPadsANonBlankTextOnly) {
  Edit e(u"", 5, u"12");
  e.s.TextStyle = kcPadLeft;
  e.s.FillChar = u"0";
  EXPECT_EQ(e.model.Text(), u"00012");
  Edit blank(u"", 5, u"   ");
  blank.s.TextStyle = kcPadLeft;
  EXPECT_EQ(blank.model.Text(), u"");
  EXPECT_EQ(blank.s.StoredText, u"   ");
  EXPECT_EQ(blank.s.FillChar, u"");
}

TEST(TextProperty, ReadingCutsALoadedOverLongText) {
  Edit e(u"", 3, u"abcdef  ");
  EXPECT_EQ(e.model.Text(), u"abc");
  EXPECT_EQ(e.s.StoredText, u"abc");
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
    EXPECT_EQ(e.s.StoredText, u"");
    EXPECT_EQ(e.model.Text(), u"");
    e.model.LetdcDataValue(u"12");
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

TEST(MaskProperty, KeepsALargerMaxLength) {
  Edit e(u"", 30, u" abc ");
  e.model.LetMask(u"XXXX");
  EXPECT_EQ(e.s.MaxLength, 30);
  EXPECT_EQ(e.s.StoredText, u"abc ");
}

TEST(MaxLengthProperty, StoresWithoutCheckingAndTheRepaintCuts) {
  Edit e(u"99/99", 5, u"12/34");
  e.model.LetMaxLength(2);
  EXPECT_EQ(e.s.MaxLength, 2);
  EXPECT_EQ(e.s.StoredText, u"12");
}

TEST(TextStyleProperty, PadLeftWithEmptyFillFillsWithSpaces) {
  Edit e(u"", 4, u"");
  e.view.Clear();
  e.model.LetTextStyle(kcPadLeft);
  EXPECT_EQ(e.s.StoredText, u"    ");
  EXPECT_EQ(e.s.FillChar, u" ");
  EXPECT_EQ(e.view.log, (Log{"RedrawText", "Mark(TextStyle)"}));
}

TEST(FillCharProperty, KeepsTheFirstCharacterAndRestyles) {
  Edit e(u"", 4, u"7");
  e.s.TextStyle = kcPadLeft;
  e.model.LetFillChar(u"0x");
  EXPECT_EQ(e.s.FillChar, u"0");
  EXPECT_EQ(e.s.StoredText, u"0007");
}

TEST(StoredOnlyProperties, MarkWithoutRepainting) {
  Edit e;
  e.model.LetIncludeLiterals(false);
  e.model.LetDefaultValue(u"x");
  e.model.LetLocked(true);
  e.model.LetAutoSelect(false);
  EXPECT_EQ(e.view.log, (Log{"Mark(IncludeLiterals)", "Mark(DefaultValue)", "Mark(Locked)", "Mark(AutoSelect)"}));
}

TEST(DataValue, AssigningCutsToMaxLengthAndPlacesTheCaretWhenFocused) {
  Edit e(u"", 4, u"ab", 2);
  e.view.holdsFocus = true;
  e.view.Clear();
  e.model.LetdcDataValue(u"123456");
  EXPECT_EQ(e.s.StoredText, u"1234");
  EXPECT_EQ(e.s.CursorPos, 0);
  EXPECT_EQ(e.view.log, (Log{"PlaceCaret", "RedrawText", "Mark(dcDataValue)"}));
}

TEST(DataValue, ReadsTheTextAsStored) {
  Edit e(u"99/99", 5, u"1");
  e.s.TextStyle = kcUpperCase;
  EXPECT_EQ(e.model.dcDataValue(), u"1 /  ");
}

TEST(IsEmpty, LooksAtThePlaceholdersOnly) {
  Edit e(u"99/99", 5, u"");
  EXPECT_TRUE(e.model.IsEmpty());
  e.model.LetText(u"1");
  EXPECT_FALSE(e.model.IsEmpty());
}

TEST(CompleteOnLeave, AnEmptyControlTakesTheDefaultValue) {
  Edit e(u"99/99", 5, u"");
  e.s.DefaultValue = u"01/01";
  e.model.CompleteOnLeave();
  EXPECT_EQ(e.s.StoredText, u"01/01");
}

TEST(CompleteOnLeave, PadsLeftAndPutsTheCaretAtTheEnd) {
  Edit e(u"", 5, u"12");
  e.s.TextStyle = kcPadLeft;
  e.s.FillChar = u"0";
  e.s.DefaultValue = u"99999";
  e.model.CompleteOnLeave();
  EXPECT_EQ(e.s.StoredText, u"00012");
  EXPECT_EQ(e.s.CursorPos, 5);
}

TEST(CompleteOnLeave, ABlankFillDoesNotPad) {
  Edit e(u"", 5, u"12");
  e.s.TextStyle = kcPadLeft;
  e.s.FillChar = u" ";
  e.model.CompleteOnLeave();
  EXPECT_EQ(e.s.StoredText, u"12");
}

}  // namespace
}  // namespace kelvo::klvctl32::testing

// Case and padding styles and the design-time picture.

#include <gtest/gtest.h>

#include "klvctl32/textedit/text_style.h"

namespace kelvo::klvctl32 {
namespace {

TEST(PadLeftFill, RightAlignsTheTrimmedText) {
  std::u16string fill = u"0";
  EXPECT_EQ(PadLeftFill(u"123", 6, fill), u"000123");
  EXPECT_EQ(PadLeftFill(u"  12 ", 4, fill), u"0012");
}

TEST(PadLeftFill, KeepsTheRightmostCharactersOfALongerText) {
  std::u16string fill = u"0";
  EXPECT_EQ(PadLeftFill(u"123456", 4, fill), u"3456");
}

TEST(PadLeftFill, AnEmptyFillBecomesASpaceForGood) {
  std::u16string fill;
  EXPECT_EQ(PadLeftFill(u"7", 3, fill), u"  7");
  EXPECT_EQ(fill, u" ");
}

TEST(PadLeftFill, ANonPositiveWidthGivesNothing) {
  std::u16string fill = u"0";
  EXPECT_EQ(PadLeftFill(u"12", 0, fill), u"");
  EXPECT_EQ(PadLeftFill(u"12", -5, fill), u"");
}

TEST(ApplyTextStyle, CasesByTheCodePage) {
  TextEditState s;
  s.StoredText = u"Ação œ";
  s.TextStyle = kcUpperCase;
  ApplyTextStyle(s);
  EXPECT_EQ(s.StoredText, u"AÇÃO Œ");
  s.TextStyle = kcLowerCase;
  ApplyTextStyle(s);
  EXPECT_EQ(s.StoredText, u"ação œ");
}

TEST(ApplyTextStyle, PadLeftFillsABlankTextWholly) {
  TextEditState s;
  s.StoredText = u"";
  s.MaxLength = 4;
  s.TextStyle = kcPadLeft;
  ApplyTextStyle(s);
  EXPECT_EQ(s.StoredText, u"    ");
  EXPECT_EQ(s.FillChar, u" ");
}

TEST(ApplyTextStyle, AnUnknownStyleChangesNothing) {
  TextEditState s;
  s.StoredText = u"Abc";
  s.TextStyle = static_cast<kcTextStyle>(7);
  ApplyTextStyle(s);
  EXPECT_EQ(s.StoredText, u"Abc");
}

TEST(DesignTemplate, ShowsTheMaskPaddedWithX) {
  TextEditState s;
  s.Mask = u"99/99";
  s.MaxLength = 8;
  EXPECT_EQ(DesignTemplate(s), u"99/99XXX");
  s.MaxLength = 3;
  EXPECT_EQ(DesignTemplate(s), u"99/99");
  s.Mask.clear();
  EXPECT_EQ(DesignTemplate(s), u"XXX");
}

TEST(DesignTemplate, ShowsTheFillForPadLeftAndNothingForOtherStyles) {
  TextEditState s;
  s.MaxLength = 3;
  s.TextStyle = kcPadLeft;
  EXPECT_EQ(DesignTemplate(s), u"   ");
  s.FillChar = u"*";
  EXPECT_EQ(DesignTemplate(s), u"***");
  s.TextStyle = static_cast<kcTextStyle>(9);
  EXPECT_EQ(DesignTemplate(s), u"");
}

TEST(DesignTemplate, ANegativeMaxLengthShowsNoPadding) {
  TextEditState s;
  s.MaxLength = -2;
  EXPECT_EQ(DesignTemplate(s), u"");
  s.Mask = u"9-9";
  EXPECT_EQ(DesignTemplate(s), u"9-9");
}

}  // namespace
}  // namespace kelvo::klvctl32

// The mask language: layout of the text against the mask, stripping the
// literals, editable positions and the raw-position arithmetic.

#include <gtest/gtest.h>

#include "klvctl32/textedit/mask.h"

namespace kelvo::klvctl32 {
namespace {

TextEditState Masked(std::u16string mask, std::u16string text, std::int16_t maxLength = 30) {
  TextEditState s;
  s.Mask = std::move(mask);
  s.StoredText = std::move(text);
  s.MaxLength = maxLength;
  return s;
}

std::u16string Formatted(std::u16string mask, std::u16string text, std::int16_t maxLength = 30) {
  TextEditState s = Masked(std::move(mask), std::move(text), maxLength);
  FormatText(s);
  return s.StoredText;
}

TEST(FormatText, LaysRawDigitsIntoThePlaceholders) {
  EXPECT_EQ(Formatted(u"99/99", u"1234", 5), u"12/34");
  EXPECT_EQ(Formatted(u"99/99", u"1", 5), u"1 /  ");
  EXPECT_EQ(Formatted(u"(99)9999-9999", u"1133334444"), u"(11)3333-4444");
}

TEST(FormatText, LeavesFormattedTextAsItIs) {
  EXPECT_EQ(Formatted(u"99/99", u"12/34", 5), u"12/34");
  EXPECT_EQ(Formatted(u"(99)9999-9999", u"(11)3333-4444"), u"(11)3333-4444");
}

TEST(FormatText, DoesNotValidateCharacters) { EXPECT_EQ(Formatted(u"99/99", u"abcd", 5), u"ab/cd"); }

TEST(FormatText, KeepsCharactersPastTheMaskUpToMaxLength) {
  EXPECT_EQ(Formatted(u"9-9", u"12345"), u"1-2345");
  EXPECT_EQ(Formatted(u"9-9", u"12345", 4), u"1-23");
}

TEST(FormatText, CutsToMaxLengthEvenBelowTheMaskLength) {
  EXPECT_EQ(Formatted(u"99/99/9999", u"12345678", 5), u"12/34");
  EXPECT_EQ(Formatted(u"99/99", u"1234", 0), u"");
  EXPECT_EQ(Formatted(u"99/99", u"1234", -3), u"");
}

TEST(FormatText, DoesNothingWithoutAMask) { EXPECT_EQ(Formatted(u"", u"abc", 2), u"abc"); }

TEST(StripLiterals, ReturnsThePlaceholderCharactersAndTheOverflow) {
  EXPECT_EQ(StripLiterals(Masked(u"99/99", u"12/34")), u"1234");
  EXPECT_EQ(StripLiterals(Masked(u"99/99", u"12/")), u"12");
  EXPECT_EQ(StripLiterals(Masked(u"99/99", u"12/345")), u"12345");
  EXPECT_EQ(StripLiterals(Masked(u"", u"a/b")), u"a/b");
}

TEST(FirstEditablePos, SkipsLeadingLiterals) {
  EXPECT_EQ(FirstEditablePos(Masked(u"(99)9999-9999", u"")), 2);
  EXPECT_EQ(FirstEditablePos(Masked(u"99/99", u"")), 1);
}

TEST(FirstEditablePos, PadsTheMaskWithPlaceholdersToTheText) {
  EXPECT_EQ(FirstEditablePos(Masked(u"", u"")), 1);
  EXPECT_EQ(FirstEditablePos(Masked(u"--", u"")), 3);
  EXPECT_EQ(FirstEditablePos(Masked(u"--", u"--ab")), 3);
  EXPECT_EQ(FirstEditablePos(Masked(u"", u"abc")), 1);
}

TEST(IsEditablePos, AnswersForPlaceholdersWithinTheText) {
  const TextEditState s = Masked(u"99/99", u"12/345");
  EXPECT_FALSE(IsEditablePos(s, 0));
  EXPECT_FALSE(IsEditablePos(s, -4));
  EXPECT_TRUE(IsEditablePos(s, 1));
  EXPECT_FALSE(IsEditablePos(s, 3));
  EXPECT_TRUE(IsEditablePos(s, 6));  // past the mask, within the text
  EXPECT_FALSE(IsEditablePos(s, 7));
}

TEST(IsEditablePos, WithoutMaskAnyPositionOfTheText) {
  const TextEditState s = Masked(u"", u"ab");
  EXPECT_TRUE(IsEditablePos(s, 2));
  EXPECT_FALSE(IsEditablePos(s, 3));
}

TEST(RawPosition, SubtractsTheLiteralsBeforeTheCaret) {
  const std::u16string mask = u"(99)9999-9999";
  EXPECT_EQ(RawPosition(mask, 0), 0);
  EXPECT_EQ(RawPosition(mask, 1), 0);
  EXPECT_EQ(RawPosition(mask, 3), 2);
  EXPECT_EQ(RawPosition(mask, 4), 2);
  EXPECT_EQ(RawPosition(mask, 20), 17);  // past the mask every position counts
  EXPECT_EQ(RawPosition(mask, -1), -1);
}

TEST(LiteralsInRange, IgnoresPositionsOutsideTheMask) {
  EXPECT_EQ(LiteralsInRange(u"9-9-9", -5, 2), 1);
  EXPECT_EQ(LiteralsInRange(u"9-9-9", 2, 100), 2);
  EXPECT_EQ(LiteralsInRange(u"9-9-9", 3, 2), 0);
}

TEST(OverflowLiteralCount, CountsLiteralsOnlyForAnOverLongText) {
  EXPECT_EQ(OverflowLiteralCount(Masked(u"99/99", u"123456", 5)), 1);
  EXPECT_EQ(OverflowLiteralCount(Masked(u"99/99", u"12345     ", 5)), 0);  // trailing spaces do not count
  EXPECT_EQ(OverflowLiteralCount(Masked(u"  ", u"123456", 5)), 0);        // a blank mask
}

}  // namespace
}  // namespace kelvo::klvctl32

// The mask model: layout of the text against the mask, the literal-free text,
// editable positions, left padding, the design-time picture and the test of a
// character against its placeholder.

#include <gtest/gtest.h>

#include "fake_view.h"
#include "klvctl32/textedit/mask.h"
#include "klvctl32/textedit/text_style.h"

namespace kelvo::klvctl32::testing {
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

TEST(FormatText, LaysRawOrFormattedTextIntoThePlaceholders) {
  EXPECT_EQ(Formatted(u"99/99", u"1234", 5), u"12/34");
  EXPECT_EQ(Formatted(u"99/99", u"12/34", 5), u"12/34");
  EXPECT_EQ(Formatted(u"99/99", u"1", 5), u"1 /  ");
  EXPECT_EQ(Formatted(u"99/99", u"abcd", 5), u"ab/cd");
  EXPECT_EQ(Formatted(u"9-9", u"12345"), u"1-2345");  // the rest follows the mask
}

TEST(FormatText, CutsAtMaxLengthWhateverItsValue) {
  EXPECT_EQ(Formatted(u"9-9", u"12345", 4), u"1-23");
  EXPECT_EQ(Formatted(u"99/99/9999", u"12345678", 5), u"12/34");
  EXPECT_EQ(Formatted(u"99/99", u"1234", 0), u"");
  EXPECT_EQ(Formatted(u"99/99", u"1234", -3), u"");
}

TEST(StripLiterals, KeepsPlaceholderCharactersAndTheOverflow) {
  EXPECT_EQ(StripLiterals(Masked(u"99/99", u"12/34")), u"1234");
  EXPECT_EQ(StripLiterals(Masked(u"99/99", u"12/")), u"12");
  EXPECT_EQ(StripLiterals(Masked(u"99/99", u"12/345")), u"12345");
}

TEST(FirstEditablePos, SkipsLeadingLiteralsOfTheMaskPaddedToTheText) {
  EXPECT_EQ(FirstEditablePos(Masked(u"(99)9999-9999", u"")), 2);
  EXPECT_EQ(FirstEditablePos(Masked(u"", u"")), 1);
  EXPECT_EQ(FirstEditablePos(Masked(u"--", u"")), 3);
  EXPECT_EQ(FirstEditablePos(Masked(u"--", u"--ab")), 3);
}

TEST(RawPosition, SubtractsTheLiteralsBeforeTheCaret) {
  EXPECT_EQ(RawPosition(u"(99)9999-9999", 1), 0);
  EXPECT_EQ(RawPosition(u"(99)9999-9999", 4), 2);
  EXPECT_EQ(RawPosition(u"(99)9999-9999", 20), 17);  // past the mask every position counts
}

TEST(PadLeftFill, RightAlignsTheTrimmedText) {
  std::u16string fill = u"0";
  EXPECT_EQ(PadLeftFill(u" 123 ", 6, fill), u"000123");
  EXPECT_EQ(PadLeftFill(u"123456", 4, fill), u"3456");
  EXPECT_EQ(PadLeftFill(u"12", -5, fill), u"");
  fill.clear();
  EXPECT_EQ(PadLeftFill(u"7", 3, fill), u"  7");
  EXPECT_EQ(fill, u" ");  // the caller's FillChar keeps the space
}

TEST(DesignTemplate, ShowsTheMaskPaddedWithXOrTheFill) {
  TextEditState s = Masked(u"99/99", u"", 8);
  EXPECT_EQ(DesignTemplate(s), u"99/99XXX");
  s.MaxLength = 3;
  EXPECT_EQ(DesignTemplate(s), u"99/99");
  s.TextStyle = kcPadLeft;
  EXPECT_EQ(DesignTemplate(s), u"   ");
  s.TextStyle = static_cast<kcTextStyle>(9);
  EXPECT_EQ(DesignTemplate(s), u"");
}

// IsValidChar through the model, which beeps when refusing.
struct Verdict {
  bool valid;
  std::u16string ch;
  int beeps;
};

Verdict Check(std::u16string_view mask, std::u16string ch, std::int16_t position, std::u16string_view text = u"") {
  Edit e(mask, 30, text);
  const bool valid = e.model.IsValidChar(ch, position);
  return {valid, ch, e.view.Count("Beep")};
}

TEST(IsValidChar, NineTakesDigitsSeparatorsAndSpaces) {
  for (const char16_t* ok : {u"0", u"9", u".", u",", u" ", u"1x", u""}) EXPECT_TRUE(Check(u"9", ok, 1).valid);
  const Verdict letter = Check(u"9", u"a", 1);
  EXPECT_FALSE(letter.valid);
  EXPECT_EQ(letter.beeps, 1);
  EXPECT_FALSE(Check(u"9", u".5", 1).valid);
}

TEST(IsValidChar, HashStoresOneDecimalCommaAndRefusesSpaces) {
  const Verdict dot = Check(u"###", u".", 1);
  EXPECT_TRUE(dot.valid);
  EXPECT_EQ(dot.ch, u",");
  const Verdict second = Check(u"###", u".", 3, u"1,");
  EXPECT_FALSE(second.valid);
  EXPECT_EQ(second.beeps, 1);
  EXPECT_FALSE(Check(u"###", u" ", 1).valid);
}

TEST(IsValidChar, LettersAreCasedAndAccentsRefused) {
  EXPECT_EQ(Check(u"A", u"b", 1).ch, u"B");
  EXPECT_EQ(Check(u"a", u"Q", 1).ch, u"q");
  EXPECT_EQ(Check(u"C", u"ção", 1).ch, u"ÇÃO");
  EXPECT_FALSE(Check(u"A", u"é", 1).valid);
}

TEST(IsValidChar, ALiteralRefusesSilentlyButASpaceLiteralTakesAnything) {
  const Verdict literal = Check(u"99/99", u"x", 3);
  EXPECT_FALSE(literal.valid);
  EXPECT_EQ(literal.beeps, 0);
  EXPECT_TRUE(Check(u"9 9", u"x", 2).valid);
  EXPECT_TRUE(Check(u"9", u"x", 5).valid);  // past the mask
}

TEST(IsValidChar, ASpaceIsRefusedEvenAtXWhenNotAllowed) {
  Edit e(u"X", 1, u"");
  e.s.AllowSpaceChar = false;
  std::u16string space = u" ";
  EXPECT_FALSE(e.model.IsValidChar(space, 1));
  EXPECT_EQ(e.view.Count("Beep"), 1);
}

TEST(IsValidChar, APositionBeforeTheTextIsAnInvalidCall) {
  Edit e(u"99", 2, u"");
  for (const std::int16_t position : {std::int16_t{0}, std::int16_t{-32768}}) {
    std::u16string ch = u"1";
    try {
      e.model.IsValidChar(ch, position);
      ADD_FAILURE() << "no error for position " << position;
    } catch (const com::Error& error) {
      EXPECT_EQ(error.number(), com::err::kInvalidCall);
    }
  }
}

}  // namespace
}  // namespace kelvo::klvctl32::testing

// IsValidChar: each placeholder's test, its rewriting of the character, the
// beeps, and the refusal of a position before the text.

#include <gtest/gtest.h>

#include "fake_view.h"

namespace kelvo::klvctl32::testing {
namespace {

struct Verdict {
  bool valid;
  std::u16string ch;
  int beeps;
};

Verdict Check(Edit& e, std::u16string ch, std::int16_t position) {
  e.view.Clear();
  const bool valid = e.model.IsValidChar(ch, position);
  return {valid, ch, e.view.Count("Beep")};
}

TEST(IsValidChar, AnEmptyCharacterIsAlwaysValid) {
  Edit e(u"99/99", 5, u"");
  EXPECT_TRUE(Check(e, u"", 3).valid);
}

TEST(IsValidChar, NineTakesDigitsSeparatorsAndSpaces) {
  Edit e(u"99/99", 5, u"");
  for (const char16_t* ok : {u"0", u"9", u".", u",", u" "}) {
    const Verdict v = Check(e, ok, 1);
    EXPECT_TRUE(v.valid) << text::ToUtf8(ok);
    EXPECT_EQ(v.ch, ok);
  }
  const Verdict letter = Check(e, u"a", 1);
  EXPECT_FALSE(letter.valid);
  EXPECT_EQ(letter.beeps, 1);
}

TEST(IsValidChar, HashStoresOneDecimalComma) {
  Edit e(u"###", 3, u"");
  const Verdict dot = Check(e, u".", 1);
  EXPECT_TRUE(dot.valid);
  EXPECT_EQ(dot.ch, u",");
  e.s.StoredText = u"1,";
  const Verdict second = Check(e, u".", 3);
  EXPECT_FALSE(second.valid);
  EXPECT_EQ(second.beeps, 1);
  EXPECT_FALSE(Check(e, u",", 3).valid);
  EXPECT_TRUE(Check(e, u"7", 3).valid);
}

TEST(IsValidChar, HashRefusesSpaces) {
  Edit e(u"###", 3, u"");
  const Verdict space = Check(e, u" ", 1);
  EXPECT_FALSE(space.valid);
  EXPECT_EQ(space.beeps, 1);
  EXPECT_FALSE(Check(e, u" 1", 1).valid);
}

TEST(IsValidChar, OnlyTheFirstCharacterIsTested) {
  Edit e(u"99", 2, u"");
  EXPECT_TRUE(Check(e, u"1x", 1).valid);
  EXPECT_FALSE(Check(e, u".5", 1).valid);  // "." alone would pass, ".5" is no digit
}

TEST(IsValidChar, LettersAreCasedByThePlaceholder) {
  Edit e(u"Aa", 2, u"");
  EXPECT_EQ(Check(e, u"b", 1).ch, u"B");
  EXPECT_EQ(Check(e, u"Q", 2).ch, u"q");
  EXPECT_TRUE(Check(e, u" ", 1).valid);
}

TEST(IsValidChar, LettersRefuseAccentsAndDigits) {
  Edit e(u"A", 1, u"");
  const Verdict accent = Check(e, u"é", 1);
  EXPECT_FALSE(accent.valid);
  EXPECT_EQ(accent.beeps, 1);
  EXPECT_FALSE(Check(e, u"1", 1).valid);
}

TEST(IsValidChar, AnyCharacterCasesTheWholeString) {
  Edit e(u"Cc", 2, u"");
  EXPECT_EQ(Check(e, u"ção", 1).ch, u"ÇÃO");
  EXPECT_EQ(Check(e, u"ÇÃO", 2).ch, u"ção");
}

TEST(IsValidChar, ALiteralPositionRefusesWithoutBeep) {
  Edit e(u"99/99", 5, u"");
  const Verdict v = Check(e, u"x", 3);
  EXPECT_FALSE(v.valid);
  EXPECT_EQ(v.beeps, 0);
  EXPECT_FALSE(Check(e, u"/", 3).valid);
}

TEST(IsValidChar, PastTheMaskAndAtASpaceLiteralAnythingGoes) {
  Edit e(u"9 9", 3, u"");
  EXPECT_TRUE(Check(e, u"x", 2).valid);
  EXPECT_TRUE(Check(e, u"x", 9).valid);
  Edit plain;
  EXPECT_TRUE(Check(plain, u"#", 1).valid);
}

TEST(IsValidChar, ASpaceIsRefusedEverywhereWhenNotAllowed) {
  Edit e(u"X9", 2, u"");
  e.s.AllowSpaceChar = false;
  const Verdict v = Check(e, u" ", 1);
  EXPECT_FALSE(v.valid);
  EXPECT_EQ(v.beeps, 1);
  EXPECT_FALSE(Check(e, u" ", 2).valid);
}

TEST(IsValidChar, APositionBeforeTheTextIsAnInvalidCall) {
  Edit e(u"99", 2, u"");
  for (const std::int16_t position : {std::int16_t{0}, std::int16_t{-1}, std::int16_t{-32768}}) {
    std::u16string ch = u"1";
    try {
      e.model.IsValidChar(ch, position);
      ADD_FAILURE() << "no error for position " << position;
    } catch (const com::Error& error) {
      EXPECT_EQ(error.number(), com::err::kInvalidCall);
    }
  }
  std::u16string empty;
  EXPECT_THROW(e.model.IsValidChar(empty, 0), com::Error);
  EXPECT_EQ(e.view.Count("Beep"), 0);
}

}  // namespace
}  // namespace kelvo::klvctl32::testing

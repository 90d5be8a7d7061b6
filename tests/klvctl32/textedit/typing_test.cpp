// Typing: characters go in through KeyPress, the caret jumps over literals,
// and a full field, a refused character or a too-wide text beeps.

#include <gtest/gtest.h>

#include "fake_view.h"

namespace kelvo::klvctl32::testing {
namespace {

using Log = std::vector<std::string>;

TEST(Typing, DigitsFillTheMaskAndTheCaretJumpsTheLiteral) {
  Edit e(u"99/99", 5, u"");
  std::vector<int> carets;
  for (const char16_t c : std::u16string(u"1234")) {
    e.Type(std::u16string(1, c));
    carets.push_back(e.s.CursorPos);
  }
  EXPECT_EQ(e.model.Text(), u"12/34");
  EXPECT_EQ(carets, (std::vector<int>{1, 3, 4, 5}));
  EXPECT_EQ(e.view.Count("Changed"), 4);
  EXPECT_EQ(e.view.Count("Beep"), 0);
}

TEST(Typing, AnAcceptedCharacterRaisesItsEventsInOrder) {
  Edit e(u"99/99", 5, u"");
  e.view.Clear();
  e.Type(u"1");
  EXPECT_EQ(e.view.log, (Log{"KeyPress(49)", "PlaceCaret", "RedrawText", "PlaceCaret", "Changed",
                             "Mark(dcDataValue)", "KeyDown(0,0)"}));
}

TEST(Typing, AFullFieldBeepsAndChangesNothing) {
  Edit e(u"99/99", 5, u"12/34", 5);
  e.view.Clear();
  e.Type(u"5");
  EXPECT_EQ(e.s.StoredText, u"12/34");
  EXPECT_EQ(e.view.log, (Log{"KeyPress(53)", "Beep"}));
}

TEST(Typing, NoFreePlaceholderLeftBeeps) {
  Edit e(u"", 3, u"abc", 1);
  e.Type(u"x");
  EXPECT_EQ(e.s.StoredText, u"abc");
  EXPECT_EQ(e.view.Count("Beep"), 1);
  EXPECT_EQ(e.view.Count("Changed"), 0);
}

TEST(Typing, ADateWithAnEmptyMonthRefusesOnceTheYearIsFull) {
  Edit e(u"99/99/9999", 10, u"12/  /2024", 3);
  e.Type(u"0");
  EXPECT_EQ(e.s.StoredText, u"12/  /2024");
  EXPECT_EQ(e.view.Count("Beep"), 1);
}

TEST(Typing, InsertsAndPushesTheFollowingCharactersAlong) {
  Edit e(u"99/99", 5, u"13/4", 1);
  e.Type(u"2");
  EXPECT_EQ(e.s.StoredText, u"12/34");
  EXPECT_EQ(e.s.CursorPos, 3);
}

TEST(Typing, ARefusedCharacterBeepsOnce) {
  Edit e(u"99/99", 5, u"", 0);
  e.view.Clear();
  e.Type(u"a");
  EXPECT_EQ(e.view.log, (Log{"KeyPress(97)", "Beep"}));
}

TEST(Typing, TextWiderThanTheControlIsRefused) {
  Edit e(u"", 30, u"abcd", 4);
  // 4 characters of 100 twips plus one more leave less than 7 pixels.
  e.view.innerWidth = 500 + 7 * 15 - 1;
  e.Type(u"e");
  EXPECT_EQ(e.s.StoredText, u"abcd");
  EXPECT_EQ(e.view.Count("Beep"), 1);
  e.view.innerWidth = 500 + 7 * 15;
  e.Type(u"e");
  EXPECT_EQ(e.s.StoredText, u"abcde");
}

TEST(Typing, TheShadowTakesFivePixelsOfWidth) {
  Edit e(u"", 30, u"abcd", 4);
  e.view.innerWidth = 500 + 7 * 15;
  e.view.shadow = true;
  e.Type(u"e");
  EXPECT_EQ(e.view.Count("Beep"), 1);
}

TEST(Typing, TheCaretMustStayLeftOfTheRightMargin) {
  // Trailing spaces take no room in the width test but push the caret right:
  // after "a" and five spaces it stands at 40 + 3 pixels.
  Edit e(u"", 30, u"a     ", 6);
  e.view.innerWidth = 43 * 15 + 7 * 15;
  e.Type(u"b");
  EXPECT_EQ(e.s.StoredText, u"a     ");
  EXPECT_EQ(e.view.Count("Beep"), 1);
  e.view.innerWidth += 1;
  e.Type(u"b");
  EXPECT_EQ(e.s.StoredText, u"a     b");
}

TEST(Typing, TheContainerMayChangeOrCancelTheCharacter) {
  Edit e(u"", 10, u"");
  e.view.onKeyPress = [](std::int16_t& keyAscii) { keyAscii = keyAscii == 'a' ? 'b' : 0; };
  e.Type(u"ax");
  EXPECT_EQ(e.s.StoredText, u"b");
  EXPECT_EQ(e.view.Count("Changed"), 1);
}

TEST(Typing, ControlCharactersAreNotInserted) {
  Edit e(u"", 10, u"ab", 2);
  e.view.Clear();
  std::int16_t ctrlC = 3;
  e.model.KeyPress(ctrlC);
  std::int16_t backspace = 8;
  e.model.KeyPress(backspace);
  EXPECT_EQ(e.s.StoredText, u"ab");
  EXPECT_EQ(e.view.log, (Log{"KeyPress(3)", "KeyPress(8)"}));
}

TEST(Typing, ALockedControlRaisesKeyPressButKeepsItsText) {
  Edit e(u"", 10, u"ab", 2);
  e.s.Locked = true;
  e.view.Clear();
  e.Type(u"c");
  EXPECT_EQ(e.s.StoredText, u"ab");
  EXPECT_EQ(e.view.log, (Log{"KeyPress(99)"}));
}

TEST(Typing, TheCaseStyleAppliesToTheWholeText) {
  Edit e(u"", 10, u"ab", 2);
  e.s.TextStyle = kcUpperCase;
  e.Type(u"c");
  EXPECT_EQ(e.s.StoredText, u"ABC");
}

TEST(Typing, AHashFieldTurnsTheDecimalPointIntoAComma) {
  Edit e(u"####", 4, u"", 0);
  e.Type(u"1.5.");
  EXPECT_EQ(e.s.StoredText, u"1,5 ");
  EXPECT_EQ(e.view.Count("Beep"), 1);
}

TEST(Typing, CharactersOfTheCodePageComeThrough) {
  Edit e(u"", 10, u"");
  e.Type(u"é€");
  EXPECT_EQ(e.s.StoredText, u"é€");
}

TEST(Typing, BeforeTheFirstFocusTheCaretStandsAtTheStart) {
  Edit e;
  e.s.Mask = u"(99)";
  e.s.MaxLength = 4;
  e.s.StoredText = u"";
  ASSERT_EQ(e.s.CursorPos, -1);
  e.Type(u"7");  // tested at the first placeholder, where it goes
  EXPECT_EQ(e.s.StoredText, u"(7 )");
}

TEST(Typing, ASelectionIsReplacedFromTheFirstPlaceholder) {
  Edit e(u"99/99", 5, u"12/34", 5);
  e.model.DblClick();
  e.Type(u"5");
  EXPECT_EQ(e.s.StoredText, u"5 /  ");
  EXPECT_EQ(e.s.CursorPos, 1);
  EXPECT_FALSE(e.s.AnchorSet);
  EXPECT_EQ(e.s.SelLength, 0);
}

TEST(Typing, ARefusedReplacementKeepsTheTextAndMovesTheCaretToTheAnchor) {
  Edit e(u"99/99", 5, u"12/34", 5);
  e.model.SetSelectedText(1, 3);
  e.s.CursorPos = 4;
  e.Type(u"x");
  EXPECT_EQ(e.s.StoredText, u"12/34");
  EXPECT_EQ(e.s.CursorPos, 1);
  EXPECT_EQ(e.view.Count("Beep"), 1);
}

}  // namespace
}  // namespace kelvo::klvctl32::testing

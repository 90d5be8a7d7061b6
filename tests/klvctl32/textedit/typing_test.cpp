// Typing through KeyPress and moving the caret: literal jumps, and the beeps
// of a full field, a refused character or a too-wide text.

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
}

TEST(Typing, AnAcceptedCharacterRaisesItsEventsInOrder) {
  Edit e(u"99/99", 5, u"");
  e.view.Clear();
  e.Type(u"1");
  EXPECT_EQ(e.view.log, (Log{"KeyPress(49)", "PlaceCaret", "RedrawText", "PlaceCaret", "Changed",
                             "Mark(dcDataValue)", "KeyDown(0,0)"}));
}

TEST(Typing, InsertsAndPushesTheFollowingCharactersAlong) {
  Edit e(u"99/99", 5, u"13/4", 1);
  e.Type(u"2");
  EXPECT_EQ(e.s.StoredText, u"12/34");
}

TEST(Typing, AFullFieldOrARefusedCharacterBeepsAndChangesNothing) {
  Edit full(u"99/99", 5, u"12/34", 5);
  full.view.Clear();
  full.Type(u"5");
  EXPECT_EQ(full.s.StoredText, u"12/34");
  EXPECT_EQ(full.view.log, (Log{"KeyPress(53)", "Beep"}));
  Edit refused(u"99/99", 5, u"", 0);
  refused.Type(u"a");
  EXPECT_EQ(refused.view.Count("Beep"), 1);
  EXPECT_EQ(refused.view.Count("Changed"), 0);
}

TEST(Typing, ADateWithAnEmptyMonthRefusesOnceTheYearIsFull) {
  Edit e(u"99/99/9999", 10, u"12/  /2024", 3);
  e.Type(u"0");
  EXPECT_EQ(e.s.StoredText, u"12/  /2024");
  EXPECT_EQ(e.view.Count("Beep"), 1);
}

TEST(Typing, LowerCasePlaceholdersTakeAnyCharacterInLowerCase) {
  Edit e(u"cc/cc", 5, u"");
  for (const char16_t c : std::u16string(u"AbC7")) e.Type(std::u16string(1, c));
  EXPECT_EQ(e.model.Text(), u"ab/c7");
}

TEST(Typing, TextWiderThanTheControlIsRefused) {
  Edit e(u"", 30, u"abcd", 4);
  e.view.innerWidth = 500 + 7 * 15 - 1;  // five 100-twip characters and 7 pixels
  e.Type(u"e");
  EXPECT_EQ(e.view.Count("Beep"), 1);
  e.view.shadow = true;
  e.view.innerWidth = 500 + 7 * 15;
  e.Type(u"e");
  EXPECT_EQ(e.view.Count("Beep"), 2);  // the shadow takes 5 more pixels
  e.view.shadow = false;
  e.Type(u"e");
  EXPECT_EQ(e.s.StoredText, u"abcde");
}

TEST(Typing, TheContainerMayChangeOrCancelTheCharacter) {
  Edit e(u"", 10, u"");
  e.view.onKeyPress = [](std::int16_t& keyAscii) { keyAscii = keyAscii == 'a' ? 'b' : 0; };
  e.Type(u"ax");
  EXPECT_EQ(e.s.StoredText, u"b");
  EXPECT_EQ(e.view.Count("Changed"), 1);
}

TEST(Typing, ALockedControlRaisesKeyPressButKeepsItsText) {
  Edit e(u"", 10, u"ab", 2);
  e.s.Locked = true;
  e.view.Clear();
  e.Type(u"c");
  EXPECT_EQ(e.s.StoredText, u"ab");
  EXPECT_EQ(e.view.log, (Log{"KeyPress(99)"}));
}

TEST(Typing, BeforeTheFirstFocusGoesToTheFirstPlaceholder) {
  Edit e;
  e.s.Mask = u"(99)";
  e.s.MaxLength = 4;
  ASSERT_EQ(e.s.CursorPos, -1);
  e.Type(u"7");
  EXPECT_EQ(e.s.StoredText, u"(7 )");
}

TEST(Typing, ReplacesASelectionFromTheFirstPlaceholder) {
  Edit e(u"99/99", 5, u"12/34", 5);
  e.model.DblClick();
  e.Type(u"5");
  EXPECT_EQ(e.s.StoredText, u"5 /  ");
  EXPECT_FALSE(e.s.AnchorSet);
}

TEST(Typing, ARefusedReplacementMovesTheCaretToTheAnchor) {
  Edit e(u"99/99", 5, u"12/34", 5);
  e.model.SetSelectedText(1, 3);
  e.s.CursorPos = 4;
  e.Type(u"x");
  EXPECT_EQ(e.s.StoredText, u"12/34");
  EXPECT_EQ(e.s.CursorPos, 1);
}

TEST(Caret, RightStopsAtTheEndOfTheTextWithoutTrailingSpaces) {
  Edit e(u"99/99", 5, u"12/", 1);
  e.Key(vk::kRight);
  EXPECT_EQ(e.s.CursorPos, 3);  // over the "/"
  e.Key(vk::kRight);
  EXPECT_EQ(e.s.CursorPos, 3);
}

TEST(Caret, LeftStepsOverALiteralAndStopsAtTheFirstPlaceholder) {
  Edit e(u"(99)99", 6, u"(12)34", 5);
  e.Key(vk::kLeft);
  EXPECT_EQ(e.s.CursorPos, 4);
  e.Key(vk::kLeft);
  EXPECT_EQ(e.s.CursorPos, 2);
  e.Key(vk::kLeft);
  e.Key(vk::kLeft);
  EXPECT_EQ(e.s.CursorPos, 1);
}

TEST(Caret, HomeAndEnd) {
  Edit e(u"(99)9999", 8, u"(11)22", 3);
  e.Key(vk::kEnd);
  EXPECT_EQ(e.s.CursorPos, 6);
  e.Key(vk::kHome);
  EXPECT_EQ(e.s.CursorPos, 1);
}

TEST(Caret, KeysGoOnWithTheCodeTheContainerLeaves) {
  Edit e(u"", 10, u"abc", 1);
  e.view.onKeyDown = [](std::int16_t& keyCode, std::int16_t&) { keyCode = keyCode == vk::kRight ? vk::kEnd : 0; };
  e.Key(vk::kRight);
  EXPECT_EQ(e.s.CursorPos, 3);
}

TEST(Caret, ControlAndAltKeysAreLeftToTheContainer) {
  Edit e(u"", 10, u"abc", 1);
  e.Key(vk::kRight, 2);
  e.Key(vk::kHome, 4);
  e.Key(vk::kShift, 3);
  EXPECT_EQ(e.s.CursorPos, 1);
  EXPECT_FALSE(e.s.AnchorSet);
}

TEST(Caret, StaysWithinTheTextAndAZeroMoveDoesNothing) {
  Edit e(u"", 10, u"abc", 1);
  e.view.Clear();
  e.model.MoveCaret(0, false);
  EXPECT_TRUE(e.view.log.empty());
  e.model.SetPosition(32767);
  EXPECT_EQ(e.s.CursorPos, 3);
  e.model.SetPosition(-32768);
  EXPECT_EQ(e.s.CursorPos, 0);
}

}  // namespace
}  // namespace kelvo::klvctl32::testing

#include <gtest/gtest.h>

#include "platform/console/keys.h"

namespace kelvo::console {
namespace {

TEST(Keys, NamesAreVirtualKeyCodesInAnyCase) {
  EXPECT_EQ(KeyCodeFromName("Left"), 37);
  EXPECT_EQ(KeyCodeFromName("DELETE"), 46);
  EXPECT_EQ(KeyCodeFromName("backspace"), 8);
  EXPECT_EQ(KeyCodeFromName("Control"), 17);
  EXPECT_FALSE(KeyCodeFromName("Ctrl"));
  EXPECT_FALSE(KeyCodeFromName("37"));
}

TEST(Keys, ControlKeysMakeTheirOwnCharacter) {
  for (int code : {8, 9, 13, 27, 32}) EXPECT_EQ(CharacterOfKey(code, 0), code);
  EXPECT_EQ(CharacterOfKey(13, 1), 13);
}

TEST(Keys, NavigationKeysMakeNoCharacter) {
  for (int code : {16, 17, 35, 36, 37, 38, 39, 40, 45, 46, 112}) EXPECT_FALSE(CharacterOfKey(code, 0)) << code;
}

TEST(Keys, LettersFollowShiftAndControl) {
  EXPECT_EQ(CharacterOfKey('A', 0), 'a');
  EXPECT_EQ(CharacterOfKey('A', 1), 'A');
  EXPECT_EQ(CharacterOfKey('C', 2), 3);
  EXPECT_EQ(CharacterOfKey('Z', 3), 26);
  EXPECT_FALSE(CharacterOfKey('R', 4));  // Alt+R is an access key
}

TEST(Keys, DigitsKeypadAndPunctuation) {
  EXPECT_EQ(CharacterOfKey('1', 0), '1');
  EXPECT_EQ(CharacterOfKey('1', 1), '!');
  EXPECT_EQ(CharacterOfKey('0', 1), ')');
  EXPECT_EQ(CharacterOfKey(96 + 7, 0), '7');
  EXPECT_EQ(CharacterOfKey(110, 0), '.');
  EXPECT_FALSE(CharacterOfKey(108, 0));
  EXPECT_EQ(CharacterOfKey(188, 0), ',');
  EXPECT_EQ(CharacterOfKey(189, 1), '_');
  EXPECT_EQ(CharacterOfKey(222, 1), '"');
}

}  // namespace
}  // namespace kelvo::console

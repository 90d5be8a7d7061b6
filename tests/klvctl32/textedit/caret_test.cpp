// Caret movement by arrows, Home and End over the mask literals.

#include <gtest/gtest.h>

#include "fake_view.h"

namespace kelvo::klvctl32::testing {
namespace {

TEST(Caret, RightStopsAtTheEndOfTheTextWithoutTrailingSpaces) {
  Edit e(u"99/99", 5, u"12/", 1);
  e.Key(vk::kRight);
  EXPECT_EQ(e.s.CursorPos, 3);  // over the "/"
  e.Key(vk::kRight);
  EXPECT_EQ(e.s.CursorPos, 3);
}

TEST(Caret, LeftStepsOverALiteral) {
  Edit e(u"99/99", 5, u"12/34", 3);
  e.Key(vk::kLeft);
  EXPECT_EQ(e.s.CursorPos, 1);
  e.Key(vk::kLeft);
  EXPECT_EQ(e.s.CursorPos, 0);
  e.Key(vk::kLeft);
  EXPECT_EQ(e.s.CursorPos, 0);
}

TEST(Caret, NeverStandsBeforeTheFirstEditablePosition) {
  Edit e(u"(99)9999-9999", 13, u"(11)2222-3333", 2);
  e.Key(vk::kLeft);
  EXPECT_EQ(e.s.CursorPos, 1);
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

TEST(Caret, EndCountsATrailingLiteralAsText) {
  Edit e(u"(99)9999-9999", 13, u"(11)22", 3);
  e.Key(vk::kEnd);
  EXPECT_EQ(e.s.CursorPos, 9);  // after the "-" of "(11)22  -    "
}

TEST(Caret, EveryMovePlacesTheCaretButAZeroMoveDoesNothing) {
  Edit e(u"", 10, u"abc", 1);
  e.view.Clear();
  e.model.MoveCaret(0, false);
  EXPECT_TRUE(e.view.log.empty());
  e.model.SetPosition(2);
  EXPECT_EQ(e.view.Count("PlaceCaret"), 1);
  EXPECT_EQ(e.s.CursorPos, 2);
}

TEST(Caret, IsHeldWithinTheText) {
  Edit e(u"", 10, u"abc", 1);
  e.model.SetPosition(32767);
  EXPECT_EQ(e.s.CursorPos, 3);
  e.model.SetPosition(-32768);
  EXPECT_EQ(e.s.CursorPos, 0);
}

TEST(Caret, UpAndDownDoNothing) {
  Edit e(u"", 10, u"abc", 1);
  e.view.Clear();
  e.Key(vk::kUp);
  EXPECT_EQ(e.s.CursorPos, 1);
  EXPECT_EQ(e.view.log, std::vector<std::string>{"KeyDown(38,0)"});
}

TEST(Caret, ControlAndAltKeysAreLeftToTheContainer) {
  Edit e(u"", 10, u"abc", 1);
  e.Key(vk::kRight, 2);
  e.Key(vk::kRight, 4);
  EXPECT_EQ(e.s.CursorPos, 1);
}

TEST(Caret, AKeyChangedByTheContainerActsAsChanged) {
  Edit e(u"", 10, u"abc", 1);
  e.view.onKeyDown = [](std::int16_t& keyCode, std::int16_t&) {
    if (keyCode == vk::kRight) keyCode = vk::kEnd;
  };
  e.Key(vk::kRight);
  EXPECT_EQ(e.s.CursorPos, 3);
}

}  // namespace
}  // namespace kelvo::klvctl32::testing

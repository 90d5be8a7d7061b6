// Backspace and Delete around literals, and how many Changed events they raise.

#include <gtest/gtest.h>

#include "fake_view.h"

namespace kelvo::klvctl32::testing {
namespace {

using Log = std::vector<std::string>;

TEST(Backspace, AtTheFirstEditablePositionDoesNothing) {
  Edit e(u"(99)", 4, u"(12)", 1);
  e.view.Clear();
  e.Key(vk::kBack);
  EXPECT_EQ(e.s.StoredText, u"(12)");
  EXPECT_EQ(e.view.log, (Log{"KeyDown(8,0)"}));
}

TEST(Backspace, AfterALiteralDeletesTheDigitBeforeIt) {
  Edit e(u"99/99", 5, u"12/34", 3);
  e.Key(vk::kBack);
  EXPECT_EQ(e.s.StoredText, u"13/4 ");
  EXPECT_EQ(e.s.CursorPos, 1);
  EXPECT_EQ(e.view.Count("Changed"), 1);
}

TEST(Delete, PullsTheFollowingCharactersBack) {
  Edit e(u"99/99", 5, u"12/34", 1);
  e.view.Clear();
  e.Key(vk::kDelete);
  EXPECT_EQ(e.s.StoredText, u"13/4 ");
  EXPECT_EQ(e.view.log, (Log{"KeyDown(46,0)", "RedrawText", "Changed", "Mark(dcDataValue)"}));
}

TEST(Delete, AtTheEndStillRaisesChanged) {
  Edit e(u"99/99", 5, u"12/34", 5);
  e.Key(vk::kDelete);
  EXPECT_EQ(e.s.StoredText, u"12/34");
  EXPECT_EQ(e.view.Count("Changed"), 1);
}

TEST(Delete, ASelectionRaisesChangedTwiceAndClearsIt) {
  Edit e(u"99/99", 5, u"12/34", 5);
  e.model.SetSelectedText(0, 2);
  e.view.Clear();
  e.Key(vk::kDelete);
  EXPECT_EQ(e.s.StoredText, u"34/  ");
  EXPECT_EQ(e.view.log, (Log{"KeyDown(46,0)", "RedrawText", "Changed", "Mark(dcDataValue)", "PlaceCaret",
                             "RedrawText", "Changed", "Mark(dcDataValue)", "RedrawText"}));
  EXPECT_FALSE(e.s.AnchorSet);
}

TEST(Delete, WithShiftCutsTheSelection) {
  Edit e(u"", 10, u"abcdef", 4);
  e.model.SetSelectedText(1, 3);
  e.Key(vk::kDelete, 1);
  EXPECT_EQ(e.view.clipboard, u"bcd");
  EXPECT_EQ(e.s.StoredText, u"aef");
}

TEST(Deleting, ALockedControlKeepsItsText) {
  Edit e(u"", 10, u"abc", 2);
  e.s.Locked = true;
  e.view.Clear();
  e.Key(vk::kBack);
  e.Key(vk::kDelete);
  EXPECT_EQ(e.s.StoredText, u"abc");
  EXPECT_EQ(e.view.log, (Log{"KeyDown(8,0)", "KeyDown(46,0)"}));
}

TEST(Deleting, ShiftDeleteOnALockedControlCutsNothing) {
  Edit e(u"", 10, u"abcdef", 4);
  e.model.SetSelectedText(1, 3);
  e.s.Locked = true;
  e.Key(vk::kDelete, 1);
  EXPECT_EQ(e.view.clipboard, u"");
  EXPECT_EQ(e.s.StoredText, u"abcdef");
}

}  // namespace
}  // namespace kelvo::klvctl32::testing

// Selecting with Shift, setting and replacing a selection, and the select-all
// variants.

#include <gtest/gtest.h>

#include "fake_view.h"

namespace kelvo::klvctl32::testing {
namespace {

using Log = std::vector<std::string>;

TEST(ShiftSelection, ShiftAloneSetsTheAnchorAtTheCaret) {
  Edit e(u"", 10, u"abcde", 3);
  e.Key(vk::kShift, 1);
  e.view.Clear();
  e.Key(vk::kLeft, 1);
  EXPECT_EQ(e.s.SelStart, 3);
  EXPECT_EQ(e.s.SelLength, -1);
  EXPECT_EQ(e.view.log, (Log{"KeyDown(37,1)", "PlaceCaret", "RedrawText", "DrawSelectionRange(3,-1)"}));
}

TEST(ShiftSelection, WithoutShiftFirstTheMoveAnchorsAtTheNewCaret) {
  Edit e(u"", 10, u"abcde", 3);
  e.Key(vk::kLeft, 1);
  EXPECT_EQ(e.s.SelStart, 2);
  EXPECT_EQ(e.s.SelLength, 0);
}

TEST(ShiftSelection, AnUnshiftedKeyClearsTheSelection) {
  Edit e(u"99/99", 5, u"12/34", 0);
  e.Key(vk::kShift, 1);
  e.Key(vk::kRight, 1);
  e.Key(vk::kRight, 1);
  EXPECT_EQ(e.model.SelectedRawText(), u"12");  // across the literal
  e.view.Clear();
  e.Key(vk::kRight);
  EXPECT_FALSE(e.s.AnchorSet);
  EXPECT_EQ(e.s.SelLength, 0);
  EXPECT_EQ(e.view.log, (Log{"KeyDown(39,0)", "PlaceCaret", "RedrawText"}));
}

TEST(SetSelectedText, DrawsOverTheCurrentPictureWithoutRepainting) {
  Edit e(u"99/99", 5, u"12/34", 5);
  e.view.Clear();
  e.model.SetSelectedText(4, -3);
  EXPECT_EQ(e.view.log, (Log{"PlaceCaret", "DrawSelectionRange(4,-3)"}));
  EXPECT_EQ(e.model.SelectedRawText(), u"23");
}

TEST(SetSelectedText, ARangeOutsideTheTextOnlyCoversTheText) {
  Edit e(u"", 10, u"abcdef", 0);
  e.model.SetSelectedText(-3, 5);
  EXPECT_EQ(e.model.SelectedRawText(), u"ab");
  e.Type(u"x");
  EXPECT_EQ(e.s.StoredText, u"xcdef");
  e.model.SetSelectedText(3, 32767);
  e.model.LetSelText(u"YZ");
  EXPECT_EQ(e.s.StoredText, u"xcdYZ");
  EXPECT_FALSE(e.s.AnchorSet);
}

TEST(SelectAll, SelectsFromTheFirstPlaceholderToTheEndOfTheText) {
  Edit e(u"(99)9999", 8, u"(11)22", 1);
  e.view.Clear();
  e.model.SelectAll();
  EXPECT_EQ(e.s.SelStart, 1);
  EXPECT_EQ(e.s.SelLength, 5);
  EXPECT_EQ(e.s.CursorPos, 6);
  EXPECT_TRUE(e.s.AllSelected);
  EXPECT_EQ(e.view.log, (Log{"DrawSelectionRange(1,5)", "PlaceCaret"}));
}

TEST(SelectAll, NeedsAnEnabledControlWithText) {
  Edit blank(u"99/99", 5, u"");
  blank.model.SelectAll();
  blank.model.AutoSelectOnFocus();
  EXPECT_FALSE(blank.s.AnchorSet);
  Edit disabled(u"", 10, u"abc");
  disabled.view.enabled = false;
  disabled.model.SelectAll();
  EXPECT_FALSE(disabled.s.AnchorSet);
  disabled.model.DblClick();  // the double click does not ask
  EXPECT_TRUE(disabled.s.AnchorSet);
}

TEST(DblClick, RaisesDblClickOnlyWhenTheTextIsNotBlank) {
  Edit blank(u"99/99", 5, u"");
  blank.model.DblClick();
  EXPECT_EQ(blank.view.Count("DblClick"), 0);
  Edit e(u"", 10, u"abc", 0);
  e.view.Clear();
  e.model.DblClick();
  EXPECT_EQ(e.view.log, (Log{"DrawSelectionRange(0,3)", "PlaceCaret", "DblClick"}));
}

TEST(AutoSelect, SelectsOnFocusOnlyWhenAsked) {
  Edit e(u"", 10, u"abc", 0);
  e.s.AutoSelect = false;
  e.model.AutoSelectOnFocus();
  EXPECT_FALSE(e.s.AnchorSet);
  e.s.AutoSelect = true;
  e.model.AutoSelectOnFocus();
  EXPECT_EQ(e.s.SelLength, 3);
}

}  // namespace
}  // namespace kelvo::klvctl32::testing

// The context menu's items and the cut, copy, paste, delete and select-all
// actions behind them and behind their keyboard shortcuts.

#include <gtest/gtest.h>

#include "fake_view.h"

namespace kelvo::klvctl32::testing {
namespace {

using Log = std::vector<std::string>;

std::vector<bool> EnabledItems(const SubItemMenuArray& items) {
  std::vector<bool> enabled;
  for (const auto& item : items) enabled.push_back(item.Enabled);
  return enabled;
}

TEST(ContextMenu, HasItsCaptionsAndStartsEnabled) {
  Edit e;
  const auto& items = e.s.SubItemMenu;
  std::vector<std::u16string> captions;
  for (const auto& item : items) captions.push_back(item.Caption);
  EXPECT_EQ(captions, (std::vector<std::u16string>{u"&Recortar", u"&Copiar", u"Co&lar", u"&Excluir", u"-",
                                                    u"&Selecionar Tudo"}));
  EXPECT_EQ(EnabledItems(items), std::vector<bool>(6, true));
}

TEST(ContextMenu, ALockedControlOffersOnlyCopyAndSelectAll) {
  Edit e(u"", 10, u"abc", 0);
  e.s.Locked = true;
  e.view.clipboard = u"x";
  e.model.SetSelectedText(0, 2);
  EXPECT_EQ(EnabledItems(e.model.PrepareContextMenu()), (std::vector<bool>{false, true, false, false, true, true}));
}

TEST(ContextMenu, WithoutSelectionOrClipboardTextOnlySelectAll) {
  Edit e(u"", 10, u"abc", 0);
  EXPECT_EQ(EnabledItems(e.model.PrepareContextMenu()), (std::vector<bool>{false, false, false, false, true, true}));
  e.view.clipboard = u"x";
  e.model.SetSelectedText(0, 1);
  EXPECT_EQ(EnabledItems(e.model.PrepareContextMenu()), std::vector<bool>(6, true));
}

TEST(Cut, PutsTheRawSelectionOnTheClipboardAndRemovesIt) {
  Edit e(u"99/99", 5, u"12/34", 5);
  e.model.SetSelectedText(1, 3);
  e.model.SubItemMenu_Click(menu::kCut);
  EXPECT_EQ(e.view.clipboard, u"23");
  EXPECT_EQ(e.s.StoredText, u"14/  ");
  EXPECT_FALSE(e.s.AnchorSet);
  EXPECT_EQ(e.view.Count("Changed"), 1);
}

TEST(Cut, OnALockedControlCopiesOnly) {
  Edit e(u"", 10, u"abc", 0);
  e.s.Locked = true;
  e.model.SetSelectedText(0, 2);
  e.model.SubItemMenu_Click(menu::kCut);
  EXPECT_EQ(e.view.clipboard, u"ab");
  EXPECT_EQ(e.s.StoredText, u"abc");
}

TEST(Copy, KeepsTheTextAndRedrawsTheSelection) {
  Edit e(u"", 10, u"abcdef", 0);
  e.model.SetSelectedText(1, 3);
  e.s.CursorPos = 4;
  e.view.Clear();
  e.model.SubItemMenu_Click(menu::kCopy);
  EXPECT_EQ(e.view.log, (Log{"SetClipboard(bcd)", "RedrawText", "DrawSelectionRange(1,3)"}));
  EXPECT_EQ(e.s.StoredText, u"abcdef");
}

TEST(Copy, ControlInsertCopiesWhileTheMenuItemIsEnabled) {
  Edit e(u"", 10, u"abcdef", 0);
  e.model.SetSelectedText(0, 2);
  e.Key(vk::kInsert, 2);
  EXPECT_EQ(e.view.clipboard, u"ab");
  e.model.ClearSelection();
  e.model.PrepareContextMenu();  // disables copy: nothing selected
  e.model.SetSelectedText(2, 2);
  e.Key(vk::kInsert, 2);
  EXPECT_EQ(e.view.clipboard, u"ab");
}

TEST(Paste, TypesEachCharacterThroughKeyPress) {
  Edit e(u"99/99", 5, u"", 0);
  e.view.clipboard = u"1a2345678";
  e.view.Clear();
  e.model.SubItemMenu_Click(menu::kPaste);
  EXPECT_EQ(e.s.StoredText, u"12/34");
  EXPECT_EQ(e.view.Count("Beep"), 1);  // "a"; only MaxLength characters are tried
  EXPECT_EQ(e.view.Count("KeyPress(97)"), 1);
  EXPECT_EQ(e.view.Count("KeyPress(53)"), 0);
  EXPECT_EQ(e.view.Count("Changed"), 4);
  EXPECT_FALSE(e.s.Pasting);
  const std::vector<std::string> tail(e.view.log.end() - 2, e.view.log.end());
  EXPECT_EQ(tail, (Log{"FormatAndPrint", "PlaceCaret"}));
}

TEST(Paste, ShiftInsertPastesAndThenAnchorsAtTheCaret) {
  Edit e(u"", 10, u"", 0);
  e.view.clipboard = u"ab";
  e.Key(vk::kInsert, 1);
  EXPECT_EQ(e.s.StoredText, u"ab");
  EXPECT_TRUE(e.s.AnchorSet);
  EXPECT_EQ(e.s.SelStart, 2);
  EXPECT_EQ(e.s.SelLength, 0);
}

TEST(Paste, SuppressesPrintingWhileInserting) {
  Edit e(u"", 10, u"", 0);
  e.view.clipboard = u"ab";
  bool pastingSeen = true;
  e.view.onKeyPress = [&](std::int16_t&) { pastingSeen = pastingSeen && e.s.Pasting; };
  e.model.SubItemMenu_Click(menu::kPaste);
  EXPECT_TRUE(pastingSeen);
  EXPECT_FALSE(e.s.Pasting);
}

TEST(Paste, EndsThePasteWhenAnEventHandlerFails) {
  Edit e(u"", 10, u"", 0);
  e.view.clipboard = u"ab";
  e.view.onKeyPress = [](std::int16_t&) { throw com::Error(com::err::kOverflow); };
  EXPECT_THROW(e.model.SubItemMenu_Click(menu::kPaste), com::Error);
  EXPECT_FALSE(e.s.Pasting);
}

TEST(Paste, OnALockedControlRaisesKeyPressPerCharacter) {
  Edit e(u"", 10, u"", 0);
  e.s.Locked = true;
  e.view.clipboard = u"abc";
  e.model.SubItemMenu_Click(menu::kPaste);
  EXPECT_EQ(e.s.StoredText, u"");
  EXPECT_EQ(e.view.Count("KeyPress(97)") + e.view.Count("KeyPress(98)") + e.view.Count("KeyPress(99)"), 3);
}

TEST(ContextMenu, DeleteRunsTheDeleteKey) {
  Edit e(u"", 10, u"abc", 0);
  e.view.Clear();
  e.model.SubItemMenu_Click(menu::kDelete);
  EXPECT_EQ(e.view.log.front(), "KeyDown(46,0)");
  EXPECT_EQ(e.s.StoredText, u"bc");
}

TEST(ContextMenu, SelectAllRunsTheDoubleClick) {
  Edit e(u"", 10, u"abc", 0);
  e.model.SubItemMenu_Click(menu::kSelectAll);
  EXPECT_EQ(e.view.Count("DblClick"), 1);
  EXPECT_TRUE(e.s.AllSelected);
}

TEST(ControlKeys, ControlLettersAreNotShortcuts) {
  Edit e(u"", 10, u"abc", 0);
  e.view.clipboard = u"zz";
  e.model.SetSelectedText(0, 2);
  for (std::int16_t ctrl : {std::int16_t{3}, std::int16_t{22}, std::int16_t{24}}) e.model.KeyPress(ctrl);
  EXPECT_EQ(e.s.StoredText, u"abc");
  EXPECT_EQ(e.view.clipboard, u"zz");
}

}  // namespace
}  // namespace kelvo::klvctl32::testing

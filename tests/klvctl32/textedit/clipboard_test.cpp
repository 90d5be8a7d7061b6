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
  std::vector<std::u16string> captions;
  for (const auto& item : e.s.SubItemMenu) captions.push_back(item.Caption);
  EXPECT_EQ(captions, (std::vector<std::u16string>{u"&Recortar", u"&Copiar", u"Co&lar", u"&Excluir", u"-",
                                                    u"&Selecionar Tudo"}));
  EXPECT_EQ(EnabledItems(e.s.SubItemMenu), std::vector<bool>(6, true));
}

TEST(ContextMenu, ALockedControlOffersOnlyCopyAndSelectAll) {
  Edit e(u"", 10, u"abc", 0);
  e.s.Locked = true;
  e.view.clipboard = u"x";
  e.model.SetSelectedText(0, 2);
  EXPECT_EQ(EnabledItems(e.model.PrepareContextMenu()), (std::vector<bool>{false, true, false, false, true, true}));
  e.s.Locked = false;
  e.view.clipboard.clear();
  e.model.ClearSelection();
  EXPECT_EQ(EnabledItems(e.model.PrepareContextMenu()), (std::vector<bool>{false, false, false, false, true, true}));
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

TEST(Copy, ControlInsertCopiesWhileTheMenuItemIsEnabled) {
  Edit e(u"", 10, u"abcdef", 0);
  e.model.SetSelectedText(1, 3);
  e.s.CursorPos = 4;
  e.view.Clear();
  e.Key(vk::kInsert, 2);
  EXPECT_EQ(e.view.log, (Log{"KeyDown(45,2)", "SetClipboard(bcd)", "RedrawText", "DrawSelectionRange(1,3)"}));
  e.model.ClearSelection();
  e.model.PrepareContextMenu();  // nothing selected: copy disabled
  e.model.SetSelectedText(0, 1);
  e.Key(vk::kInsert, 2);
  EXPECT_EQ(e.view.clipboard, u"bcd");
}

TEST(Paste, TypesEachCharacterThroughKeyPress) {
  Edit e(u"99/99", 5, u"", 0);
  e.view.clipboard = u"1a2345678";
  e.view.Clear();
  e.model.SubItemMenu_Click(menu::kPaste);
  EXPECT_EQ(e.s.StoredText, u"12/34");
  EXPECT_EQ(e.view.Count("Beep"), 1);          // the "a"
  EXPECT_EQ(e.view.Count("KeyPress(53)"), 0);  // only MaxLength characters are tried
  EXPECT_EQ(e.view.Count("Changed"), 4);
  const Log tail(e.view.log.end() - 2, e.view.log.end());
  EXPECT_EQ(tail, (Log{"FormatAndPrint", "PlaceCaret"}));
}

TEST(Paste, ShiftInsertPastesEvenOnALockedControl) {
  Edit e(u"", 10, u"", 0);
  e.s.Locked = true;
  e.view.clipboard = u"ab";
  e.Key(vk::kInsert, 1);
  EXPECT_EQ(e.s.StoredText, u"");
  EXPECT_EQ(e.view.Count("KeyPress(97)") + e.view.Count("KeyPress(98)"), 2);
}

TEST(Paste, SuppressesPrintingUntilTheEndEvenWhenAHandlerFails) {
  Edit e(u"", 10, u"", 0);
  e.view.clipboard = u"ab";
  bool pastingSeen = true;
  e.view.onKeyPress = [&](std::int16_t&) { pastingSeen = pastingSeen && e.s.Pasting; };
  e.model.SubItemMenu_Click(menu::kPaste);
  EXPECT_TRUE(pastingSeen);
  EXPECT_FALSE(e.s.Pasting);
  e.view.onKeyPress = [](std::int16_t&) { throw com::Error(com::err::kOverflow); };
  EXPECT_THROW(e.model.SubItemMenu_Click(menu::kPaste), com::Error);
  EXPECT_FALSE(e.s.Pasting);
}

TEST(ContextMenu, DeleteRunsTheDeleteKeyAndSelectAllTheDoubleClick) {
  Edit e(u"", 10, u"abc", 0);
  e.view.Clear();
  e.model.SubItemMenu_Click(menu::kDelete);
  EXPECT_EQ(e.view.log.front(), "KeyDown(46,0)");
  EXPECT_EQ(e.s.StoredText, u"bc");
  e.model.SubItemMenu_Click(menu::kSelectAll);
  EXPECT_EQ(e.view.Count("DblClick"), 1);
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

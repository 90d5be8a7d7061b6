// The pop-up menu the SDL backend shows: layout, highlight, picking with the
// mouse and the keys, its picture and where it goes on the screen.

#include <gtest/gtest.h>

#include "platform/win/sdl/dialog_drawing.h"
#include "platform/win/sdl/popup_menu_model.h"

namespace kelvo::win::sdl {
namespace {

gfx::Surface FixedFontSurface() {
  gfx::Surface surface(1, 1, 15, 15);
  surface.SetFont({.name = std::u16string(gfx::kBuiltinFontName)});
  return surface;
}

// The edit controls' context menu, with "Copiar" disabled.
std::vector<MenuItem> EditMenu() {
  return {{u"&Recortar"}, {u"&Copiar", false}, {u"Co&lar"}, {u"&Excluir"}, {u"-"}, {u"&Selecionar Tudo"}};
}

class PopupMenuModelTest : public ::testing::Test {
 protected:
  // A point in the middle of an item's row.
  POINT Middle(int index) const {
    for (int y = 0; y < menu.Height(); ++y) {
      if (menu.ItemAt(menu.Width() / 2, y) == index) return {menu.Width() / 2, y + 3};
    }
    ADD_FAILURE() << "no row for item " << index;
    return {};
  }
  gfx::Surface surface = FixedFontSurface();
  PopupMenuModel menu{EditMenu(), surface};
};

TEST_F(PopupMenuModelTest, ItemsAreStackedAndOnlyTheirRowsHit) {
  std::vector<int> order;
  for (int y = 0; y < menu.Height(); ++y) {
    const int item = menu.ItemAt(menu.Width() / 2, y);
    if (item >= 0 && (order.empty() || order.back() != item)) order.push_back(item);
  }
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 5}));  // the separator is no item
  EXPECT_EQ(menu.ItemAt(menu.Width() / 2, 0), -1);     // the border
  EXPECT_EQ(menu.ItemAt(0, Middle(0).y), -1);
  EXPECT_EQ(menu.ItemAt(menu.Width(), Middle(0).y), -1);
  EXPECT_EQ(menu.ItemAt(menu.Width() / 2, menu.Height() - 1), -1);
}

TEST_F(PopupMenuModelTest, TheWidthFollowsTheLongestCaption) {
  std::vector<MenuItem> longer = EditMenu();
  longer[2].caption = u"Co&lar da area de transferencia";
  const PopupMenuModel wide(longer, surface);
  const gfx::FontFace& face = surface.Face();
  EXPECT_EQ(wide.Width() - menu.Width(), face.Width(u"Colar da area de transferencia") - face.Width(u"Selecionar Tudo"));
  EXPECT_EQ(wide.Height(), menu.Height());
}

TEST_F(PopupMenuModelTest, ThePointerHighlightsEnabledItemsOnly) {
  menu.PointerAt(Middle(2).x, Middle(2).y);
  EXPECT_EQ(menu.Highlighted(), 2);
  menu.PointerAt(Middle(1).x, Middle(1).y);  // disabled
  EXPECT_EQ(menu.Highlighted(), -1);
  menu.PointerAt(-5, -5);
  EXPECT_EQ(menu.Highlighted(), -1);
}

TEST_F(PopupMenuModelTest, ReleasingOverAnEnabledItemPicksIt) {
  menu.ButtonUp(Middle(1).x, Middle(1).y);  // disabled: the menu stays
  menu.ButtonUp(2, 2);                       // the border
  EXPECT_FALSE(menu.Done());
  menu.ButtonUp(Middle(5).x, Middle(5).y);
  EXPECT_TRUE(menu.Done());
  EXPECT_EQ(menu.Answer(), 5);
}

TEST_F(PopupMenuModelTest, ArrowsSkipDisabledItemsAndSeparatorsAndWrap) {
  constexpr int kUp = 0x26, kDown = 0x28, kReturn = 0x0D;
  menu.KeyDown(kReturn);  // nothing highlighted: nothing picked
  EXPECT_FALSE(menu.Done());
  std::vector<int> seen;
  for (int i = 0; i < 5; ++i) {
    menu.KeyDown(kDown);
    seen.push_back(menu.Highlighted());
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 2, 3, 5, 0}));
  menu.KeyDown(kUp);
  EXPECT_EQ(menu.Highlighted(), 5);
  menu.KeyDown(kReturn);
  EXPECT_EQ(menu.Answer(), 5);
}

TEST_F(PopupMenuModelTest, UpFromNothingStartsAtTheLastItem) {
  menu.KeyDown(0x26);
  EXPECT_EQ(menu.Highlighted(), 5);
}

TEST_F(PopupMenuModelTest, EscapeDismisses) {
  menu.KeyDown(0x28);
  menu.KeyDown(0x1B);
  EXPECT_TRUE(menu.Done());
  EXPECT_EQ(menu.Answer(), -1);
}

TEST_F(PopupMenuModelTest, AnAccessLetterPicksItsItem) {
  menu.KeyDown('C');  // "&Copiar" is disabled
  EXPECT_FALSE(menu.Done());
  menu.KeyDown('L');
  EXPECT_EQ(menu.Answer(), 2);
}

TEST_F(PopupMenuModelTest, ASharedAccessLetterMovesTheHighlightInTurn) {
  PopupMenuModel shared({{u"&Abrir"}, {u"&Apagar"}, {u"Fish && &Chips"}, {u"&&Nada"}}, surface);
  shared.KeyDown('A');
  EXPECT_EQ(shared.Highlighted(), 0);
  shared.KeyDown('A');
  EXPECT_EQ(shared.Highlighted(), 1);
  shared.KeyDown('A');
  EXPECT_EQ(shared.Highlighted(), 0);
  shared.KeyDown('N');  // "&&" writes an ampersand, it marks no access key
  EXPECT_FALSE(shared.Done());
  shared.KeyDown('C');
  EXPECT_EQ(shared.Answer(), 2);
}

TEST_F(PopupMenuModelTest, TheHighlightedRowIsDrawnInTheSelectionColour) {
  surface.Resize(menu.Width(), menu.Height());
  menu.PointerAt(Middle(0).x, Middle(0).y);
  menu.Draw(surface);
  EXPECT_EQ(surface.PixelAt(menu.Width() - 5, Middle(0).y), SysColor(syscolor::kHighlight));
  EXPECT_EQ(surface.PixelAt(menu.Width() - 5, Middle(2).y), SysColor(syscolor::kMenu));
  EXPECT_EQ(surface.PixelAt(0, 0), SysColor(syscolor::kLight));  // the raised edge
  EXPECT_EQ(surface.PixelAt(menu.Width() - 1, menu.Height() - 1), SysColor(syscolor::kDarkShadow));
}

TEST_F(PopupMenuModelTest, DisabledTextIsGrey) {
  surface.Resize(menu.Width(), menu.Height());
  menu.Draw(surface);
  auto rowHas = [&](int item, gfx::Rgb color) {
    const POINT m = Middle(item);
    // Inside the edges, within the item's row.
    for (int y = m.y - 3; y < m.y + 6; ++y) {
      for (int x = 4; x < menu.Width() - 4; ++x) {
        if (surface.PixelAt(x, y) == color) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(rowHas(1, SysColor(syscolor::kGrayText)));
  EXPECT_FALSE(rowHas(1, SysColor(syscolor::kMenuText)));
  EXPECT_TRUE(rowHas(0, SysColor(syscolor::kMenuText)));
  EXPECT_FALSE(rowHas(0, SysColor(syscolor::kGrayText)));
}

TEST(PlaceMenu, ItOpensAtThePointAndTurnsAwayFromTheScreenEdges) {
  const RECT screen{0, 0, 1024, 768};
  EXPECT_EQ(PlaceMenu({100, 200}, 120, 90, screen), (RECT{100, 200, 220, 290}));
  EXPECT_EQ(PlaceMenu({1000, 200}, 120, 90, screen), (RECT{880, 200, 1000, 290}));
  EXPECT_EQ(PlaceMenu({100, 700}, 120, 90, screen), (RECT{100, 610, 220, 700}));
  // Too large to turn either way: it keeps to the screen's top-left corner.
  EXPECT_EQ(PlaceMenu({50, 40}, 1100, 800, screen), (RECT{0, 0, 1100, 800}));
}

}  // namespace
}  // namespace kelvo::win::sdl

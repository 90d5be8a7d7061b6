// The caret on screen: where the inverted bar lands in the composed picture,
// what clips it, and the blink.

#include "../window_fixture.h"
#include "platform/win/sdl/caret_blink.h"

namespace kelvo::win::test {
namespace {

class CaretDrawTest : public WindowTest {
 protected:
  void SetUp() override {
    form = Form({100, 100, 300, 200});
    edit = Child(form, {10, 10, 110, 30});
    other = Form({400, 100, 500, 200});
  }
  // The rows and columns of the form's picture that the caret inverted.
  std::vector<POINT> Inverted(bool lit = true) {
    gfx::Image picture(200, 100, 0xFF000000u);
    sdl::DrawCaret(picture, ws, form, lit);
    std::vector<POINT> changed;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        if (picture.At(x, y) != 0xFF000000u) changed.push_back({x, y});
      }
    }
    return changed;
  }
  HWND form = 0, edit = 0, other = 0;
};

TEST_F(CaretDrawTest, TheBarIsInvertedAtTheCaretInItsWindow) {
  ws.CreateCaret(edit, 2, 5);
  ws.SetCaretPos(4, 3);
  EXPECT_TRUE(Inverted().empty());  // a new caret is hidden
  ws.ShowCaret(edit);
  gfx::Image picture(200, 100, 0xFF000000u);
  sdl::DrawCaret(picture, ws, form, true);
  EXPECT_EQ(picture.At(14, 13), 0xFFFFFFFFu);
  const std::vector<POINT> bar = Inverted();
  ASSERT_EQ(bar.size(), 10u);
  EXPECT_EQ(bar.front(), (POINT{14, 13}));
  EXPECT_EQ(bar.back(), (POINT{15, 17}));
  EXPECT_TRUE(Inverted(false).empty());  // the blink's dark half
}

TEST_F(CaretDrawTest, TheBarIsClippedToItsWindow) {
  ws.CreateCaret(edit, 1, 16);
  ws.SetCaretPos(99, 12);
  ws.ShowCaret(edit);
  const std::vector<POINT> bar = Inverted();
  ASSERT_EQ(bar.size(), 8u);  // rows 12..19 of a window 20 rows high
  EXPECT_EQ(bar.front(), (POINT{109, 22}));
  ws.SetCaretPos(100, 0);  // right of the window
  EXPECT_TRUE(Inverted().empty());
}

TEST_F(CaretDrawTest, NothingIsDrawnForACaretElsewhereOrUnseen) {
  const HWND elsewhere = Child(other, {0, 0, 50, 50});
  ws.CreateCaret(elsewhere, 1, 10);
  ws.ShowCaret(elsewhere);
  EXPECT_TRUE(Inverted().empty());
  ws.CreateCaret(edit, 1, 10);
  ws.ShowCaret(edit);
  ws.Show(edit, false);
  EXPECT_TRUE(Inverted().empty());
}

TEST(CaretBlink, ItShowsAtOnceAndBlinksEvery530Ms) {
  sdl::CaretBlink blink;
  blink.Restart(1000);
  EXPECT_TRUE(blink.Lit());
  blink.Tick(1529);
  EXPECT_TRUE(blink.Lit());
  blink.Tick(1530);
  EXPECT_FALSE(blink.Lit());
  blink.Tick(2060);
  EXPECT_TRUE(blink.Lit());
  blink.Restart(2100);  // moved while lit: stays lit for a full half period
  blink.Tick(2600);
  EXPECT_TRUE(blink.Lit());
}

TEST(CaretBlink, AfterALongPauseItGoesOnFromNow) {
  sdl::CaretBlink blink;
  blink.Restart(0);
  blink.Tick(10'000);
  EXPECT_FALSE(blink.Lit());
  EXPECT_EQ(blink.NextToggle(), 10'530u);
}

}  // namespace
}  // namespace kelvo::win::test

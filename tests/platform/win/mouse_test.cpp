// Mouse input: to the capture window when there is one, else to the deepest
// visible enabled window under the pointer, in that window's pixels.

#include "window_fixture.h"

namespace kelvo::win::test {
namespace {

class MouseTest : public WindowTest {
 protected:
  void SetUp() override {
    form = Form({100, 50, 500, 350});
    panel = Child(form, {10, 10, 210, 110});   // screen 110,60
    button = Child(panel, {20, 20, 80, 40});  // screen 130,80 .. 190,100
  }
  void Press(POINT screen) { ws.MouseButton(Msg::MouseDown, 1, 0, screen); }
  static std::string Down(HWND h, int x, int y) { return L(h, {.type = Msg::MouseDown, .a = 1, .c = x, .d = y}); }
  HWND form = 0, panel = 0, button = 0;
};

TEST_F(MouseTest, GoesToTheDeepestVisibleWindowInItsPixels) {
  const HWND overlay = Child(panel, {50, 20, 100, 40});
  Press({135, 83});
  Press({165, 85});  // the later sibling lies on top
  ws.Show(overlay, false);
  Press({165, 85});
  Press({190, 80});  // right edge: outside the button
  EXPECT_EQ(log.Take(), (Lines{Down(button, 5, 3), Down(overlay, 5, 5), Down(button, 35, 5), Down(panel, 80, 20)}));
  EXPECT_EQ(ws.CursorPos(), (POINT{190, 80}));
}

TEST_F(MouseTest, DisabledWindowOrParentSwallowsTheMouse) {
  for (HWND disabled : {button, panel}) {
    ws.Enable(disabled, false);
    log.Take();
    Press({135, 83});
    EXPECT_EQ(log.Take(), Lines{});
    ws.Enable(disabled, true);
  }
}

TEST_F(MouseTest, ActiveFormLiesAboveOthersAndToolWindowsAboveAll) {
  const HWND other = Form({100, 50, 500, 350});
  EXPECT_EQ(ws.WindowAt({300, 300}), other);  // created later, so above
  ws.Activate(form);
  EXPECT_EQ(ws.WindowAt({300, 300}), form);
  const HWND tool = Tool({290, 290, 350, 310});
  EXPECT_EQ(ws.WindowAt({300, 300}), tool);
}

TEST_F(MouseTest, CaptureGetsTheMouseAnywhere) {
  ws.Enable(Child(form, {300, 200, 350, 250}), false);
  ws.SetCapture(button);
  log.Take();
  ws.MouseButton(Msg::MouseMove, 1, 2, {120, 70});
  ws.MouseButton(Msg::MouseUp, 1, 0, {410, 260});  // over a disabled window
  ws.MouseButton(Msg::MouseMove, 0, 0, {2147483647, -2147483647});
  EXPECT_EQ(log.Take(), (Lines{L(button, {.type = Msg::MouseMove, .a = 1, .b = 2, .c = -10, .d = -10}),
                               L(button, {.type = Msg::MouseUp, .a = 1, .c = 280, .d = 180}),
                               L(button, {.type = Msg::MouseMove, .c = 32637, .d = -32848})}));
}

TEST_F(MouseTest, CaptureChangesTellTheOldHolder) {
  EXPECT_EQ(ws.SetCapture(button), 0u);
  EXPECT_EQ(ws.SetCapture(panel), button);
  ws.ReleaseCapture();
  ws.ReleaseCapture();
  EXPECT_EQ(log.Take(), (Lines{L(button, {.type = Msg::CaptureLost, .other = panel}), L(panel, {.type = Msg::CaptureLost})}));
  ws.SetCapture(button);
  ws.Enable(panel, false);  // a disabled window cannot keep the mouse
  EXPECT_EQ(ws.Capture(), 0u);
}

}  // namespace
}  // namespace kelvo::win::test

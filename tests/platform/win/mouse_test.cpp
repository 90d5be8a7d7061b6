// Mouse input: to the capture window when there is one, else to the deepest
// visible enabled window under the pointer, in that window's pixels.

#include "window_fixture.h"

namespace kelvo::win::test {
namespace {

class MouseTest : public WindowTest {
 protected:
  void SetUp() override {
    form = Form({100, 50, 500, 350});
    panel = Child(form, {10, 10, 210, 110});
    button = Child(panel, {20, 20, 80, 40});
  }
  void Press(POINT screen) { ws.MouseButton(Msg::MouseDown, 1, 0, screen); }
  HWND form = 0, panel = 0, button = 0;
};

std::string Num(HWND h) { return std::to_string(h); }

TEST_F(MouseTest, ScreenRectAddsTheParentsOrigins) {
  EXPECT_EQ(ws.ScreenRect(button), (RECT{130, 80, 190, 100}));
  EXPECT_EQ(ws.ClientRect(button), (RECT{20, 20, 80, 40}));
}

TEST_F(MouseTest, GoesToTheDeepestWindowInItsPixels) {
  Press({135, 83});
  EXPECT_EQ(log.Take(), (Lines{Num(button) + ":MouseDown 1 0 5 3"}));
  EXPECT_EQ(ws.CursorPos(), (POINT{135, 83}));
}

TEST_F(MouseTest, RightAndBottomEdgesBelongToTheParent) {
  Press({190, 80});
  EXPECT_EQ(log.Take(), (Lines{Num(panel) + ":MouseDown 1 0 80 20"}));
}

TEST_F(MouseTest, LaterSiblingLiesOnTop) {
  const HWND overlay = Child(panel, {50, 20, 100, 40});
  Press({165, 85});
  EXPECT_EQ(log.Take(), (Lines{Num(overlay) + ":MouseDown 1 0 5 5"}));
}

TEST_F(MouseTest, HiddenWindowIsSeenThrough) {
  ws.Show(button, false);
  Press({135, 83});
  EXPECT_EQ(log.Take(), (Lines{Num(panel) + ":MouseDown 1 0 25 23"}));
}

TEST_F(MouseTest, DisabledWindowSwallowsTheMouse) {
  ws.Enable(button, false);
  log.Take();
  Press({135, 83});
  EXPECT_TRUE(log.Take().empty());
  EXPECT_EQ(ws.CursorPos(), (POINT{135, 83}));
}

TEST_F(MouseTest, DisabledParentSwallowsTheMouseForItsChildren) {
  ws.Enable(panel, false);
  log.Take();
  Press({135, 83});
  EXPECT_TRUE(log.Take().empty());
}

TEST_F(MouseTest, NothingUnderThePointerDeliversNothing) {
  Press({5, 5});
  EXPECT_TRUE(log.Take().empty());
  EXPECT_EQ(ws.WindowAt({5, 5}), 0u);
}

TEST_F(MouseTest, ActiveFormLiesAboveOthersAndToolWindowsAboveAll) {
  const HWND other = Form({100, 50, 500, 350});
  EXPECT_EQ(ws.WindowAt({300, 300}), other);  // created later, so above
  ws.Activate(form);
  EXPECT_EQ(ws.WindowAt({300, 300}), form);
  const HWND tip = Tool({290, 290, 350, 310});
  EXPECT_EQ(ws.WindowAt({300, 300}), tip);
}

TEST_F(MouseTest, CaptureGetsTheMouseEvenOutside) {
  ws.SetCapture(button);
  ws.MouseButton(Msg::MouseMove, 1, 2, {120, 70});
  EXPECT_EQ(log.Take(), (Lines{Num(button) + ":MouseMove 1 2 -10 -10"}));
}

TEST_F(MouseTest, CaptureGetsTheMouseOverADisabledWindow) {
  const HWND blocked = Child(form, {300, 200, 350, 250});
  ws.Enable(blocked, false);
  ws.SetCapture(button);
  log.Take();
  ws.MouseButton(Msg::MouseUp, 1, 0, {410, 260});
  EXPECT_EQ(log.Take(), (Lines{Num(button) + ":MouseUp 1 0 280 180"}));
}

TEST_F(MouseTest, TakingTheCaptureTellsTheOldHolder) {
  EXPECT_EQ(ws.SetCapture(button), 0u);
  EXPECT_EQ(ws.SetCapture(panel), button);
  EXPECT_EQ(ws.Capture(), panel);
  EXPECT_EQ(log.Take(), (Lines{Num(button) + ":CaptureLost other=" + Num(panel)}));
}

TEST_F(MouseTest, ReleasingTheCaptureTellsTheHolder) {
  ws.SetCapture(button);
  ws.ReleaseCapture();
  EXPECT_EQ(ws.Capture(), 0u);
  EXPECT_EQ(log.Take(), (Lines{Num(button) + ":CaptureLost other=0"}));
  ws.ReleaseCapture();
  EXPECT_TRUE(log.Take().empty());
}

TEST_F(MouseTest, DisablingTheCaptureHolderReleasesIt) {
  ws.SetCapture(button);
  ws.Enable(panel, false);
  EXPECT_EQ(ws.Capture(), 0u);
}

TEST_F(MouseTest, SetCursorPosSendsNothing) {
  ws.SetCursorPos({135, 83});
  EXPECT_EQ(ws.CursorPos(), (POINT{135, 83}));
  EXPECT_TRUE(log.Take().empty());
}

TEST_F(MouseTest, FarAwayPointsAreClampedNotOverflowed) {
  ws.SetCapture(button);
  ws.MouseButton(Msg::MouseMove, 0, 0, {2147483647, -2147483647});
  EXPECT_EQ(log.Take(), (Lines{Num(button) + ":MouseMove 0 0 32637 -32848"}));
}

TEST_F(MouseTest, OnlyMouseMessagesAreAccepted) {
  EXPECT_THROW(ws.MouseButton(Msg::KeyDown, 1, 0, {0, 0}), std::invalid_argument);
}

}  // namespace
}  // namespace kelvo::win::test

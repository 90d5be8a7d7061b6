// Activation of top-level windows and the keyboard focus: which messages go
// where, in which order, and what is refused.

#include "window_fixture.h"

namespace kelvo::win::test {
namespace {

class FocusTest : public WindowTest {
 protected:
  void SetUp() override {
    formA = Form({0, 0, 300, 200});
    a1 = Child(formA, {10, 10, 100, 30});
    a2 = Child(formA, {10, 40, 100, 60});
    formB = Form({400, 0, 700, 200});
    b1 = Child(formB, {10, 10, 100, 30});
  }
  HWND formA = 0, a1 = 0, a2 = 0, formB = 0, b1 = 0;
};

std::string Num(HWND h) { return std::to_string(h); }

TEST_F(FocusTest, ActivationTellsTheOldWindowThenTheNew) {
  ws.Activate(formA);
  log.Take();
  ws.Activate(formB);
  EXPECT_EQ(ws.Active(), formB);
  EXPECT_EQ(log.Take(), (Lines{Num(formA) + ":Activate 0 other=" + Num(formB),
                               Num(formB) + ":Activate 1 other=" + Num(formA)}));
}

TEST_F(FocusTest, ActivatingTheActiveWindowSendsNothing) {
  ws.Activate(formA);
  log.Take();
  ws.Activate(formA);
  EXPECT_TRUE(log.Take().empty());
}

TEST_F(FocusTest, AnotherApplicationLeavesNoActiveWindow) {
  ws.Activate(formA);
  log.Take();
  ws.Activate(0);
  EXPECT_EQ(ws.Active(), 0u);
  EXPECT_EQ(log.Take(), (Lines{Num(formA) + ":Activate 0 other=0"}));
}

TEST_F(FocusTest, ActivatingAChildActivatesItsForm) {
  ws.Activate(a2);
  EXPECT_EQ(ws.Active(), formA);
}

TEST_F(FocusTest, ToolWindowsAreNeverActivated) {
  ws.Activate(formA);
  const HWND tip = Tool({0, 0, 50, 20});
  log.Take();
  ws.Activate(tip);
  EXPECT_EQ(ws.Active(), formA);
  EXPECT_TRUE(log.Take().empty());
}

TEST_F(FocusTest, SetFocusKillsTheOldThenFocusesTheNew) {
  ws.Activate(formA);
  ws.SetFocus(a1);
  log.Take();
  EXPECT_EQ(ws.SetFocus(a2), a1);
  EXPECT_EQ(ws.Focus(), a2);
  EXPECT_EQ(log.Take(), (Lines{Num(a1) + ":KillFocus other=" + Num(a2), Num(a2) + ":SetFocus other=" + Num(a1)}));
}

TEST_F(FocusTest, FocusingTheFocusWindowAgainSendsNothing) {
  ws.SetFocus(a1);
  log.Take();
  EXPECT_EQ(ws.SetFocus(a1), a1);
  EXPECT_TRUE(log.Take().empty());
}

TEST_F(FocusTest, FocusZeroRemovesTheFocus) {
  ws.SetFocus(a1);
  log.Take();
  EXPECT_EQ(ws.SetFocus(0), a1);
  EXPECT_EQ(ws.Focus(), 0u);
  EXPECT_EQ(log.Take(), (Lines{Num(a1) + ":KillFocus other=0"}));
}

TEST_F(FocusTest, DisabledWindowIsRefused) {
  ws.SetFocus(a1);
  ws.Enable(a2, false);
  log.Take();
  EXPECT_EQ(ws.SetFocus(a2), 0u);
  EXPECT_EQ(ws.Focus(), a1);
  EXPECT_TRUE(log.Take().empty());
}

TEST_F(FocusTest, WindowInADisabledParentIsRefused) {
  const HWND frame = Child(formA, {0, 100, 200, 200});
  const HWND inner = Child(frame, {5, 5, 50, 20});
  ws.Enable(frame, false);
  EXPECT_EQ(ws.SetFocus(inner), 0u);
  EXPECT_EQ(ws.Focus(), 0u);
}

TEST_F(FocusTest, MissingWindowIsRefused) {
  ws.SetFocus(a1);
  EXPECT_EQ(ws.SetFocus(9999), 0u);
  EXPECT_EQ(ws.Focus(), a1);
}

TEST_F(FocusTest, FocusInAnInactiveFormActivatesItFirst) {
  ws.Activate(formA);
  ws.SetFocus(a1);
  log.Take();
  ws.SetFocus(b1);
  EXPECT_EQ(ws.Active(), formB);
  EXPECT_EQ(log.Take(), (Lines{Num(formA) + ":Activate 0 other=" + Num(formB),
                               Num(formB) + ":Activate 1 other=" + Num(formA),
                               Num(a1) + ":KillFocus other=" + Num(b1), Num(b1) + ":SetFocus other=" + Num(a1)}));
}

TEST_F(FocusTest, ActivationLeavesTheFocusAlone) {
  ws.SetFocus(a1);
  log.Take();
  ws.Activate(0);
  EXPECT_EQ(ws.Focus(), a1);
  EXPECT_EQ(log.Take(), (Lines{Num(formA) + ":Activate 0 other=0"}));
}

TEST_F(FocusTest, KillFocusHandlerThatMovesTheFocusWins) {
  ws.SetFocus(a1);
  ws.SetProc(a1, [&](HWND h, const Message& m) {
    log.Proc()(h, m);
    if (m.type == Msg::KillFocus) ws.SetFocus(a1);  // refuses to let go, like a validating field
  });
  log.Take();
  EXPECT_EQ(ws.SetFocus(a2), a1);
  EXPECT_EQ(ws.Focus(), a1);
  const Lines lines = log.Take();
  for (const std::string& line : lines) EXPECT_NE(line, Num(a2) + ":SetFocus other=" + Num(a1));
}

TEST_F(FocusTest, DisablingTheFocusWindowTakesTheFocusAway) {
  ws.SetFocus(a1);
  log.Take();
  ws.Enable(a1, false);
  EXPECT_EQ(ws.Focus(), 0u);
  EXPECT_EQ(log.Take(), (Lines{Num(a1) + ":KillFocus other=0", Num(a1) + ":Enable 0"}));
}

TEST_F(FocusTest, DisablingAParentOfTheFocusWindowTakesTheFocusAway) {
  ws.SetFocus(a1);
  ws.Enable(formA, false);
  EXPECT_EQ(ws.Focus(), 0u);
}

TEST_F(FocusTest, EnableSendsOnlyOnChange) {
  ws.Enable(a2, true);
  EXPECT_TRUE(log.Take().empty());
  ws.Enable(a2, false);
  ws.Enable(a2, true);
  EXPECT_EQ(log.Take(), (Lines{Num(a2) + ":Enable 0", Num(a2) + ":Enable 1"}));
  EXPECT_TRUE(ws.IsEnabled(a2));
}

TEST_F(FocusTest, KeysGoToTheFocusWindow) {
  ws.SetFocus(a2);
  log.Take();
  ws.KeyDown(65, 1);
  ws.Char(65);
  ws.KeyUp(65, 1);
  EXPECT_EQ(log.Take(), (Lines{Num(a2) + ":KeyDown 65 1", Num(a2) + ":Char 65", Num(a2) + ":KeyUp 65 1"}));
}

TEST_F(FocusTest, KeysWithoutFocusAreDropped) {
  ws.KeyDown(65, 0);
  ws.Char(65);
  EXPECT_TRUE(log.Take().empty());
}

}  // namespace
}  // namespace kelvo::win::test

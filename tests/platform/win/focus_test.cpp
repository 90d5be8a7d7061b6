// Activation and the keyboard focus: which messages go where, in which
// order, and what is refused.

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
  static std::string Activate(HWND h, int a, HWND other) { return L(h, {.type = Msg::Activate, .a = a, .other = other}); }
  static std::string Kill(HWND h, HWND other) { return L(h, {.type = Msg::KillFocus, .other = other}); }
  static std::string Set(HWND h, HWND other) { return L(h, {.type = Msg::SetFocus, .other = other}); }
  HWND formA = 0, a1 = 0, a2 = 0, formB = 0, b1 = 0;
};

TEST_F(FocusTest, ActivationTellsTheOldWindowThenTheNew) {
  ws.Activate(formA);
  ws.Activate(Tool({0, 0, 50, 20}));  // never activated
  log.Take();
  ws.Activate(formB);
  ws.Activate(formB);
  ws.Activate(0);  // another application
  EXPECT_EQ(ws.Active(), 0u);
  EXPECT_EQ(log.Take(), (Lines{Activate(formA, 0, formB), Activate(formB, 1, formA), Activate(formB, 0, 0)}));
}

TEST_F(FocusTest, SetFocusKillsTheOldThenFocusesTheNew) {
  ws.SetFocus(a1);
  log.Take();
  EXPECT_EQ(ws.SetFocus(a2), a1);
  EXPECT_EQ(ws.SetFocus(a2), a2);  // again: nothing sent
  EXPECT_EQ(ws.SetFocus(0), a2);
  EXPECT_EQ(log.Take(), (Lines{Kill(a1, a2), Set(a2, a1), Kill(a2, 0)}));
}

TEST_F(FocusTest, DisabledOrMissingWindowsAreRefused) {
  const HWND frame = Child(formA, {0, 100, 200, 200});
  const HWND inner = Child(frame, {5, 5, 50, 20});
  ws.SetFocus(a1);
  ws.Enable(a2, false);
  ws.Enable(frame, false);
  log.Take();
  EXPECT_EQ(ws.SetFocus(a2), 0u);
  EXPECT_EQ(ws.SetFocus(inner), 0u);
  EXPECT_EQ(ws.SetFocus(9999), 0u);
  EXPECT_EQ(ws.Focus(), a1);
  EXPECT_TRUE(log.Take().empty());
}

TEST_F(FocusTest, FocusInAnInactiveFormActivatesItFirst) {
  ws.SetFocus(a1);
  log.Take();
  ws.SetFocus(b1);
  EXPECT_EQ(log.Take(), (Lines{Activate(formA, 0, formB), Activate(formB, 1, formA), Kill(a1, b1), Set(b1, a1)}));
  ws.Activate(0);
  EXPECT_EQ(ws.Focus(), b1);  // activation leaves the focus alone
}

TEST_F(FocusTest, KillFocusHandlerThatTakesTheFocusBackWins) {
  ws.SetFocus(a1);
  ws.SetProc(a1, [&](HWND h, const Message& m) {
    if (m.type == Msg::KillFocus) ws.SetFocus(h);  // a validating field
  });
  log.Take();
  EXPECT_EQ(ws.SetFocus(a2), a1);
  EXPECT_EQ(ws.Focus(), a1);
  EXPECT_EQ(log.Take(), (Lines{Kill(a2, a1)}));  // a2 never got SetFocus
}

TEST_F(FocusTest, DisablingTakesTheFocusFromTheWindowAndItsChildren) {
  ws.SetFocus(a1);
  log.Take();
  ws.Enable(a1, false);
  ws.Enable(a1, false);
  EXPECT_EQ(log.Take(), (Lines{Kill(a1, 0), L(a1, {.type = Msg::Enable, .a = 0})}));
  ws.Enable(a1, true);
  ws.SetFocus(a1);
  ws.Enable(formA, false);
  EXPECT_EQ(ws.Focus(), 0u);
}

TEST_F(FocusTest, KeysGoToTheFocusWindowOrNowhere) {
  ws.KeyDown(65, 0);
  ws.SetFocus(a2);
  log.Take();
  ws.KeyDown(65, 1);
  ws.Char(65);
  EXPECT_EQ(log.Take(), (Lines{L(a2, {.type = Msg::KeyDown, .a = 65, .b = 1}), L(a2, {.type = Msg::Char, .a = 65})}));
}

}  // namespace
}  // namespace kelvo::win::test

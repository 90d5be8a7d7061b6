// The operating system's calls over the process's window system, with the
// operating system's return values.

#include "platform/win/user32.h"

#include <gtest/gtest.h>

#include "platform/win/window_system.h"
#include "window_fixture.h"

namespace kelvo::win::test {
namespace {

class User32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    form = ws.Create(Params(WindowKind::TopLevel, {100, 100, 400, 300}));
    child = ws.Create(Params(WindowKind::Child, {10, 20, 60, 40}, form));
  }
  void TearDown() override {
    ws.Destroy(form);
    ws.Activate(0);
  }
  WindowSystem& ws = WindowSystem::Get();
  HWND form = 0, child = 0;
};

TEST_F(User32Test, EnableWindowTellsWhetherItWasDisabled) {
  EXPECT_EQ(user32::EnableWindow(child, 0), 0);
  EXPECT_EQ(user32::IsWindowEnabled(child), 0);
  EXPECT_NE(user32::EnableWindow(child, 0), 0);
  EXPECT_NE(user32::EnableWindow(child, 1), 0);
  EXPECT_NE(user32::IsWindowEnabled(child), 0);
  EXPECT_EQ(user32::EnableWindow(999999, 1), 0);
}

TEST_F(User32Test, FocusAndActivation) {
  EXPECT_EQ(user32::SetFocus(child), 0u);
  EXPECT_EQ(user32::GetFocus(), child);
  EXPECT_EQ(user32::GetActiveWindow(), form);
  ws.Activate(0);
  EXPECT_EQ(user32::GetActiveWindow(), 0u);
}

TEST_F(User32Test, WindowRectIsOnTheScreen) {
  RECT r;
  ASSERT_NE(user32::GetWindowRect(child, &r), 0);
  EXPECT_EQ(r, (RECT{110, 120, 160, 140}));
  EXPECT_EQ(user32::GetWindowRect(child, nullptr), 0);
  EXPECT_EQ(user32::GetWindowRect(999999, &r), 0);
}

TEST_F(User32Test, MoveWindowIsRelativeToTheParent) {
  ASSERT_NE(user32::MoveWindow(child, 5, 6, 70, 20, 1), 0);
  RECT r;
  user32::GetWindowRect(child, &r);
  EXPECT_EQ(r, (RECT{105, 106, 175, 126}));
  ASSERT_NE(user32::MoveWindow(form, 0, 0, 300, 200, 1), 0);
  user32::GetWindowRect(form, &r);
  EXPECT_EQ(r, (RECT{0, 0, 300, 200}));
  EXPECT_EQ(user32::MoveWindow(999999, 0, 0, 1, 1, 0), 0);
}

TEST_F(User32Test, MoveWindowSurvivesExtremeValues) {
  ASSERT_NE(user32::MoveWindow(child, 2147483647, -2147483647 - 1, 2147483647, 2147483647, 0), 0);
  EXPECT_LE(ws.SurfaceOf(child).widthPx(), 16384);
}

TEST_F(User32Test, ShowWindowHidesShowsAndActivates) {
  const HWND tip = ws.Create(Params(WindowKind::Tool, {0, 0, 50, 20}, 0, false));
  ws.Activate(form);
  EXPECT_EQ(user32::ShowWindow(tip, 4), 0);  // was hidden
  EXPECT_TRUE(ws.IsVisible(tip));
  EXPECT_EQ(user32::GetActiveWindow(), form);
  EXPECT_NE(user32::ShowWindow(tip, 0), 0);  // was visible
  EXPECT_FALSE(ws.IsVisible(tip));

  const HWND second = ws.Create(Params(WindowKind::TopLevel, {0, 0, 50, 20}, 0, false));
  user32::ShowWindow(second, 4);
  EXPECT_EQ(user32::GetActiveWindow(), form);
  user32::ShowWindow(second, 5);
  EXPECT_EQ(user32::GetActiveWindow(), second);
  ws.Destroy(second);
  ws.Destroy(tip);
}

TEST_F(User32Test, ShowWindowReportsTheWindowsOwnFlag) {
  ws.Show(form, false);
  EXPECT_NE(user32::ShowWindow(child, 1), 0);  // the child's own flag was set
}

TEST_F(User32Test, CaptureCalls) {
  EXPECT_EQ(user32::SetCapture(child), 0u);
  EXPECT_EQ(user32::GetCapture(), child);
  EXPECT_EQ(user32::SetCapture(form), child);
  EXPECT_NE(user32::ReleaseCapture(), 0);
  EXPECT_EQ(user32::GetCapture(), 0u);
}

TEST_F(User32Test, CursorPosition) {
  ws.SetCursorPos({17, 23});
  POINT p;
  ASSERT_NE(user32::GetCursorPos(&p), 0);
  EXPECT_EQ(p, (POINT{17, 23}));
  EXPECT_EQ(user32::GetCursorPos(nullptr), 0);
}

TEST_F(User32Test, CaretCallsSucceedOnlyForTheOwner) {
  EXPECT_EQ(user32::SetCaretPos(1, 1), 0);  // no caret yet
  EXPECT_EQ(user32::DestroyCaret(), 0);
  EXPECT_EQ(user32::CreateCaret(999999, 0, 1, 10), 0);
  ASSERT_NE(user32::CreateCaret(child, 0, 1, 10), 0);
  EXPECT_EQ(user32::ShowCaret(form), 0);
  EXPECT_NE(user32::ShowCaret(child), 0);
  EXPECT_NE(user32::SetCaretPos(4, 3), 0);
  EXPECT_TRUE(ws.Caret().Shown());
  EXPECT_EQ(ws.Caret().x, 4);
  EXPECT_NE(user32::HideCaret(0), 0);
  EXPECT_FALSE(ws.Caret().Shown());
  EXPECT_NE(user32::DestroyCaret(), 0);
  EXPECT_EQ(ws.Caret().window, 0u);
}

TEST_F(User32Test, MessageBeepBeeps) {
  ws.TakeBeepCount();
  EXPECT_NE(user32::MessageBeep(0), 0);
  EXPECT_EQ(ws.TakeBeepCount(), 1);
}

}  // namespace
}  // namespace kelvo::win::test

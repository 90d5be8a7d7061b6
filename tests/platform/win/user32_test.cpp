// The operating system's calls over the process's window system, with the
// operating system's return values.

#include "platform/win/user32.h"

#include "window_fixture.h"

namespace kelvo::win::test {
namespace {

class User32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    form = ws.Create(Params(WindowKind::TopLevel, {100, 100, 400, 300}));
    child = ws.Create(Params(WindowKind::Child, {10, 20, 60, 40}, form));
  }
  void TearDown() override { ws.Destroy(form); }
  WindowSystem& ws = WindowSystem::Get();
  HWND form = 0, child = 0;
  static constexpr HWND kMissing = 999999;
};

TEST_F(User32Test, EnableWindowTellsWhetherItWasDisabled) {
  EXPECT_EQ(user32::EnableWindow(child, 0), 0);
  EXPECT_NE(user32::EnableWindow(child, 0), 0);
  EXPECT_NE(user32::EnableWindow(child, 1), 0);
  EXPECT_EQ(user32::EnableWindow(kMissing, 1), 0);
}

TEST_F(User32Test, MoveWindowIsParentRelativeAndWindowRectOnTheScreen) {
  RECT r;
  ASSERT_NE(user32::MoveWindow(child, 5, 6, 70, 20, 1), 0);
  ASSERT_NE(user32::GetWindowRect(child, &r), 0);
  EXPECT_EQ(r, (RECT{105, 106, 175, 126}));
  EXPECT_EQ(user32::GetWindowRect(child, nullptr), 0);
  EXPECT_EQ(user32::MoveWindow(kMissing, 0, 0, 1, 1, 0), 0);
  ASSERT_NE(user32::MoveWindow(child, 2147483647, -2147483647 - 1, 2147483647, 2147483647, 0), 0);
  EXPECT_LE(ws.SurfaceOf(child).widthPx(), 16384);
}

TEST_F(User32Test, ShowWindowReportsTheOwnFlagAndActivatesOnlyWhenAsked) {
  const HWND second = ws.Create(Params(WindowKind::TopLevel, {0, 0, 50, 20}, 0, false));
  ws.Activate(form);
  EXPECT_EQ(user32::ShowWindow(second, 4), 0);  // was hidden
  EXPECT_EQ(user32::GetActiveWindow(), form);
  EXPECT_NE(user32::ShowWindow(second, 5), 0);
  EXPECT_EQ(user32::GetActiveWindow(), second);
  ws.Show(form, false);
  EXPECT_NE(user32::ShowWindow(child, 1), 0);  // the child's own flag was set
  ws.Destroy(second);
}

TEST_F(User32Test, CaretCallsSucceedOnlyForTheOwner) {
  EXPECT_EQ(user32::SetCaretPos(1, 1), 0);  // no caret yet
  EXPECT_EQ(user32::CreateCaret(kMissing, 0, 1, 10), 0);
  ASSERT_NE(user32::CreateCaret(child, 0, 1, 10), 0);
  EXPECT_EQ(user32::ShowCaret(form), 0);
  EXPECT_NE(user32::ShowCaret(child), 0);
  EXPECT_TRUE(ws.Caret().Shown());
  EXPECT_NE(user32::DestroyCaret(), 0);
  EXPECT_EQ(user32::DestroyCaret(), 0);
}

}  // namespace
}  // namespace kelvo::win::test

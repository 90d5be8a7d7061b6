// The owning helpers over the window system: each lets go of what it holds
// when it goes away, and never of what someone else took since.

#include <gtest/gtest.h>

#include "platform/win/owned_caret.h"
#include "platform/win/repeating_timer.h"
#include "platform/win/tool_window.h"
#include "platform/win/window_system.h"

namespace kelvo::win::test {
namespace {

WindowSystem& Ws() { return WindowSystem::Get(); }

HWND NewForm() {
  WindowCreate params;
  params.kind = WindowKind::TopLevel;
  params.rect = {0, 0, 100, 50};
  return Ws().Create(params);
}

TEST(RepeatingTimerTest, TicksUntilStoppedOrDestroyed) {
  int ticks = 0;
  {
    RepeatingTimer timer;
    timer.Start(100, [&ticks] { ++ticks; });
    Ws().AdvanceClock(250);
    EXPECT_EQ(ticks, 2);
    timer.Start(100, [&ticks] { ticks += 10; });  // a restart replaces the old tick
    Ws().AdvanceClock(100);
    EXPECT_EQ(ticks, 12);
  }
  Ws().AdvanceClock(500);
  EXPECT_EQ(ticks, 12);
  EXPECT_FALSE(Ws().NextTimerDue().has_value());
}

TEST(ToolWindowTest, OpensHiddenAtTheScreenRectangleAndClosesWithItsHolder) {
  HWND hwnd = 0;
  {
    ToolWindow tip;
    tip.Open({10, 20, 60, 35}, u"hello", {});
    hwnd = tip.Handle();
    EXPECT_EQ(Ws().Kind(hwnd), WindowKind::Tool);
    EXPECT_FALSE(Ws().IsShown(hwnd));
    EXPECT_EQ(Ws().ScreenRect(hwnd), (RECT{10, 20, 60, 35}));
    EXPECT_EQ(Ws().Caption(hwnd), u"hello");
    EXPECT_EQ(tip.Surface().widthPx(), 50);
  }
  EXPECT_FALSE(Ws().IsWindow(hwnd));
}

TEST(ToolWindowTest, SurvivesItsWindowClosingItself) {
  ToolWindow tip;
  tip.Open({0, 0, 10, 10}, u"x", [](HWND self, const Message& m) {
    if (m.type == Msg::MouseMove) Ws().Destroy(self);
  });
  Ws().Send(tip.Handle(), {.type = Msg::MouseMove});
  EXPECT_FALSE(tip.IsOpen());
  tip.Close();
  EXPECT_THROW(tip.Surface(), std::logic_error);
}

TEST(OwnedCaretTest, DestroysOnlyTheCaretItStillOwns) {
  const HWND a = NewForm();
  const HWND b = NewForm();
  {
    OwnedCaret caret;
    caret.Create(a, 1, 12);
    caret.MoveTo(3, 4);
    caret.Show();
    EXPECT_TRUE(Ws().Caret().Shown());
    EXPECT_EQ(Ws().Caret().x, 3);
  }
  EXPECT_EQ(Ws().Caret().window, 0u);
  {
    OwnedCaret first;
    first.Create(a, 1, 12);
    OwnedCaret second;
    second.Create(b, 2, 10);
    first.Hide();  // no longer its caret: nothing happens
    first.Destroy();
    EXPECT_EQ(Ws().Caret().window, b);
    EXPECT_EQ(Ws().Caret().showCount, 0);
  }
  EXPECT_EQ(Ws().Caret().window, 0u);
  Ws().Destroy(a);
  Ws().Destroy(b);
}

}  // namespace
}  // namespace kelvo::win::test

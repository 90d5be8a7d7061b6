// Timers on the virtual clock: due order, ties, handlers that change the
// timers, and a real clock's catching up.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "odd_backend.h"
#include "platform/win/window_system.h"

namespace kelvo::win::test {
namespace {

using Ticks = std::vector<std::string>;

class TimersTest : public ::testing::Test {
 protected:
  // A timer that logs "name@now" on every tick.
  TimerId Logging(std::uint32_t interval, std::string name) {
    return ws.SetTimer(interval, [this, name] { fired.push_back(name + "@" + std::to_string(ws.NowMs())); });
  }
  WindowSystem ws;
  Ticks fired;
};

TEST_F(TimersTest, OneAdvanceFiresSeveralTimesAtTheDueTimes) {
  Logging(175, "t");
  ws.AdvanceClock(174);
  ws.AdvanceClock(426);
  EXPECT_EQ(fired, (Ticks{"t@175", "t@350", "t@525"}));
  EXPECT_EQ(ws.NowMs(), 600u);
  EXPECT_EQ(ws.NextTimerDue(), 700u);
}

TEST_F(TimersTest, EarliestDueFiresFirstAndTiesInCreationOrder) {
  Logging(30, "s");
  Logging(20, "b");
  Logging(10, "a");
  ws.AdvanceClock(60);
  EXPECT_EQ(fired, (Ticks{"a@10", "b@20", "a@20", "s@30", "a@30", "b@40", "a@40", "a@50", "s@60", "b@60", "a@60"}));
}

TEST_F(TimersTest, HandlerMayKillATimerDueAtTheSameTime) {
  TimerId second = 0;
  ws.SetTimer(10, [&] { ws.KillTimer(second); });
  second = Logging(10, "second");
  ws.AdvanceClock(50);
  ws.KillTimer(second);  // unknown by now: harmless
  EXPECT_EQ(fired, Ticks{});
}

TEST_F(TimersTest, HandlerMayReplaceItselfWithManyTimers) {
  // A new timer counts from the tick that created it.
  TimerId self = 0;
  self = ws.SetTimer(5, [&] {
    ws.KillTimer(self);
    for (int i = 0; i < 50; ++i) ws.SetTimer(5, [] {});
    Logging(0, "x");  // interval 0 acts as 1
  });
  ws.AdvanceClock(7);
  EXPECT_EQ(fired, (Ticks{"x@6", "x@7"}));
}

TEST_F(TimersTest, HandlerThatAdvancesTheClockNeverMovesItBack) {
  bool nested = false;
  ws.SetTimer(10, [&] {
    fired.push_back(std::to_string(ws.NowMs()));
    if (!std::exchange(nested, true)) ws.AdvanceClock(25);
  });
  ws.AdvanceClock(40);
  EXPECT_EQ(fired, (Ticks{"10", "20", "30", "40"}));
}

TEST_F(TimersTest, RealClockFiresEachDueTimerOnceAndCatchesUp) {
  Logging(100, "t");
  ws.backend().Advance(120);
  ws.RunDueTimers();
  EXPECT_EQ(ws.NextTimerDue(), 200u);  // on time: the rhythm is kept
  ws.backend().Advance(230);           // the program was busy for a while
  ws.RunDueTimers();
  ws.RunDueTimers();
  EXPECT_EQ(fired, (Ticks{"t@120", "t@350"}));
  EXPECT_EQ(ws.NextTimerDue(), 450u);
}

TEST_F(TimersTest, NewBackendKeepsTheRemainingTime) {
  Logging(100, "t");
  ws.AdvanceClock(40);
  ws.InstallBackend(std::make_unique<OddBackend>(5000));
  ws.AdvanceClock(60);
  EXPECT_EQ(fired, (Ticks{"t@5060"}));
}

}  // namespace
}  // namespace kelvo::win::test

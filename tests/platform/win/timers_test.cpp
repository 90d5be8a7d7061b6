// Timers on the virtual clock: due order, ties, handlers that change the
// timers, and the real clock's catching up.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win/backend.h"
#include "platform/win/window_system.h"
#include "recording_backend.h"

namespace kelvo::win::test {
namespace {

class TimersTest : public ::testing::Test {
 protected:
  // A timer that logs "name@now" on every tick.
  TimerId Logging(std::uint32_t interval, std::string name) {
    return ws.SetTimer(interval, [this, name] { fired.push_back(name + "@" + std::to_string(ws.NowMs())); });
  }
  WindowSystem ws;
  std::vector<std::string> fired;
};

TEST_F(TimersTest, NothingFiresBeforeItIsDue) {
  Logging(175, "t");
  ws.AdvanceClock(174);
  EXPECT_TRUE(fired.empty());
  ws.AdvanceClock(1);
  EXPECT_EQ(fired, (std::vector<std::string>{"t@175"}));
}

TEST_F(TimersTest, OneAdvanceFiresSeveralTimesAtTheDueTimes) {
  Logging(175, "t");
  ws.AdvanceClock(600);
  EXPECT_EQ(fired, (std::vector<std::string>{"t@175", "t@350", "t@525"}));
  EXPECT_EQ(ws.NowMs(), 600u);
  EXPECT_EQ(ws.NextTimerDue(), 700u);
}

TEST_F(TimersTest, EarliestDueFiresFirstAndTiesInCreationOrder) {
  Logging(30, "slow");
  Logging(20, "b");
  Logging(10, "a");
  ws.AdvanceClock(60);
  EXPECT_EQ(fired, (std::vector<std::string>{"a@10", "b@20", "a@20", "slow@30", "a@30", "b@40", "a@40", "a@50",
                                             "slow@60", "b@60", "a@60"}));
}

TEST_F(TimersTest, KilledTimerStopsAndUnknownIdsAreHarmless) {
  const TimerId t = Logging(10, "t");
  ws.AdvanceClock(10);
  ws.KillTimer(t);
  ws.KillTimer(t);
  ws.KillTimer(424242);
  ws.AdvanceClock(100);
  EXPECT_EQ(fired, (std::vector<std::string>{"t@10"}));
  EXPECT_FALSE(ws.NextTimerDue().has_value());
}

TEST_F(TimersTest, HandlerMayKillItself) {
  TimerId self = 0;
  int ticks = 0;
  self = ws.SetTimer(10, [&] {
    if (++ticks == 2) ws.KillTimer(self);
  });
  ws.AdvanceClock(100);
  EXPECT_EQ(ticks, 2);
}

TEST_F(TimersTest, HandlerMayKillAnotherThatIsDueAtTheSameTime) {
  TimerId second = 0;
  ws.SetTimer(10, [&] {
    fired.push_back("first");
    ws.KillTimer(second);
  });
  second = Logging(10, "second");
  ws.AdvanceClock(10);
  EXPECT_EQ(fired, (std::vector<std::string>{"first"}));
}

TEST_F(TimersTest, TimerCreatedInAHandlerCountsFromThatTick) {
  bool created = false;
  ws.SetTimer(100, [&] {
    if (!created) {
      created = true;
      Logging(30, "new");
    }
  });
  ws.AdvanceClock(170);
  EXPECT_EQ(fired, (std::vector<std::string>{"new@130", "new@160"}));
}

TEST_F(TimersTest, HandlerMayReplaceItselfWithManyTimers) {
  // Killing and creating timers from a handler must not disturb the loop.
  TimerId self = 0;
  self = ws.SetTimer(5, [&] {
    ws.KillTimer(self);
    for (int i = 0; i < 50; ++i) ws.SetTimer(5, [] {});
    Logging(1, "x");
  });
  ws.AdvanceClock(7);
  EXPECT_EQ(fired, (std::vector<std::string>{"x@6", "x@7"}));
}

TEST_F(TimersTest, IntervalZeroActsAsOne) {
  Logging(0, "z");
  ws.AdvanceClock(3);
  EXPECT_EQ(fired, (std::vector<std::string>{"z@1", "z@2", "z@3"}));
}

TEST_F(TimersTest, HandlerThatAdvancesTheClockNeverMovesItBack) {
  bool nested = false;
  ws.SetTimer(10, [&] {
    fired.push_back("outer@" + std::to_string(ws.NowMs()));
    if (!nested) {
      nested = true;
      ws.AdvanceClock(25);
    }
  });
  ws.AdvanceClock(40);
  EXPECT_EQ(ws.NowMs(), 40u);
  EXPECT_EQ(fired, (std::vector<std::string>{"outer@10", "outer@20", "outer@30", "outer@40"}));
}

TEST_F(TimersTest, RealClockFiresEachDueTimerOnceAndCatchesUp) {
  Logging(100, "t");
  ws.backend().Advance(350);  // the program was busy for a while
  ws.RunDueTimers();
  ws.RunDueTimers();
  EXPECT_EQ(fired, (std::vector<std::string>{"t@350"}));
  EXPECT_EQ(ws.NextTimerDue(), 450u);
}

TEST_F(TimersTest, RealClockKeepsTheRhythmWhenOnTime) {
  Logging(100, "t");
  ws.backend().Advance(120);
  ws.RunDueTimers();
  EXPECT_EQ(ws.NextTimerDue(), 200u);
}

TEST_F(TimersTest, NewBackendKeepsTheRemainingTime) {
  Logging(100, "t");
  ws.AdvanceClock(40);
  BackendCounts counts;
  ws.InstallBackend(std::make_unique<RecordingBackend>(counts, 5000));
  EXPECT_EQ(ws.NextTimerDue(), 5060u);
  ws.AdvanceClock(60);
  EXPECT_EQ(fired, (std::vector<std::string>{"t@5060"}));
}

}  // namespace
}  // namespace kelvo::win::test

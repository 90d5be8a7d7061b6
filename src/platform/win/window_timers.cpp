// Timers: they fire on the window system's thread from the backend's clock,
// the earliest due first and, when due together, in creation order.

#include <algorithm>
#include <limits>

#include "platform/win/window_system_impl.h"

namespace kelvo::win {
namespace {

// The earliest timer due at or before `limit`, or none.
Timer* EarliestDue(std::vector<Timer>& timers, std::uint64_t limit) {
  Timer* earliest = nullptr;
  for (Timer& timer : timers) {
    if (timer.dueMs <= limit && (earliest == nullptr || timer.dueMs < earliest->dueMs)) earliest = &timer;
  }
  return earliest;
}

// Runs the timer's handler after it was rescheduled; the handler may kill or
// create timers, this one included, so it runs from a copy.
void Fire(Timer& timer, std::uint64_t nextDueMs) {
  timer.dueMs = nextDueMs;
  const std::function<void()> onTick = timer.onTick;
  if (onTick) onTick();
}

std::uint64_t SaturatingAdd(std::uint64_t a, std::uint64_t b) {
  return b > std::numeric_limits<std::uint64_t>::max() - a ? std::numeric_limits<std::uint64_t>::max() : a + b;
}

}  // namespace

TimerId WindowSystem::SetTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
  Timer timer;
  timer.id = ++impl_->lastTimer;
  timer.intervalMs = std::max<std::uint32_t>(intervalMs, 1);
  timer.dueMs = SaturatingAdd(NowMs(), timer.intervalMs);
  timer.onTick = std::move(onTick);
  impl_->timers.push_back(std::move(timer));
  return impl_->lastTimer;
}

void WindowSystem::KillTimer(TimerId id) {
  std::erase_if(impl_->timers, [id](const Timer& t) { return t.id == id; });
}

std::uint64_t WindowSystem::NowMs() const { return impl_->backend->NowMs(); }

void WindowSystem::AdvanceClock(std::uint64_t ms) {
  const std::uint64_t target = SaturatingAdd(NowMs(), ms);
  while (Timer* timer = EarliestDue(impl_->timers, target)) {
    // A handler that advanced the clock itself may have left this one overdue.
    if (timer->dueMs > NowMs()) impl_->backend->Advance(timer->dueMs - NowMs());
    Fire(*timer, SaturatingAdd(timer->dueMs, timer->intervalMs));
  }
  if (target > NowMs()) impl_->backend->Advance(target - NowMs());
}

void WindowSystem::RunDueTimers() {
  // Each due timer fires once; one that fell behind skips the ticks it
  // missed, as the operating system coalesces them.
  const std::uint64_t now = NowMs();
  std::vector<std::pair<std::uint64_t, TimerId>> due;  // creation order, then sorted stably by due time
  for (const Timer& timer : impl_->timers) {
    if (timer.dueMs <= now) due.emplace_back(timer.dueMs, timer.id);
  }
  std::stable_sort(due.begin(), due.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& entry : due) {
    const TimerId id = entry.second;
    auto it = std::find_if(impl_->timers.begin(), impl_->timers.end(), [id](const Timer& t) { return t.id == id; });
    // Killed, or already fired by a handler that ran the timers itself.
    if (it == impl_->timers.end() || it->dueMs > now) continue;
    const std::uint64_t next = SaturatingAdd(it->dueMs, it->intervalMs);
    Fire(*it, next > now ? next : SaturatingAdd(now, it->intervalMs));
  }
}

std::optional<std::uint64_t> WindowSystem::NextTimerDue() const {
  if (impl_->timers.empty()) return std::nullopt;
  return std::min_element(impl_->timers.begin(), impl_->timers.end(),
                          [](const Timer& a, const Timer& b) { return a.dueMs < b.dueMs; })
      ->dueMs;
}

}  // namespace kelvo::win

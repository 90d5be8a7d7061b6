#include "platform/win/repeating_timer.h"

namespace kelvo::win {

void RepeatingTimer::Start(std::uint32_t intervalMs, std::function<void()> onTick) {
  Stop();
  id_ = WindowSystem::Get().SetTimer(intervalMs, std::move(onTick));
}

void RepeatingTimer::Stop() {
  if (id_ == 0) return;
  WindowSystem::Get().KillTimer(id_);
  id_ = 0;
}

}  // namespace kelvo::win

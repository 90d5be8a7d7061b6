#pragma once
// A timer owned by its holder: it ticks on the window system's thread until
// stopped or destroyed, so a control that goes away cannot leave a tick behind
// that calls into it.

#include <cstdint>
#include <functional>

#include "platform/win/window_system.h"

namespace kelvo::win {

class RepeatingTimer {
 public:
  RepeatingTimer() = default;
  ~RepeatingTimer() { Stop(); }
  RepeatingTimer(const RepeatingTimer&) = delete;
  RepeatingTimer& operator=(const RepeatingTimer&) = delete;

  // (Re)starts the timer: onTick runs every intervalMs from now.
  void Start(std::uint32_t intervalMs, std::function<void()> onTick);
  void Stop();
  bool Running() const { return id_ != 0; }

 private:
  TimerId id_ = 0;
};

}  // namespace kelvo::win

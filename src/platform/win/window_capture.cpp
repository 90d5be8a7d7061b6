// The mouse capture and the pointer position.

#include "platform/win/coordinates.h"
#include "platform/win/window_system_impl.h"

namespace kelvo::win {

HWND WindowSystem::Capture() const { return impl_->capture; }

HWND WindowSystem::SetCapture(HWND hwnd) {
  Impl& impl = *impl_;
  if (hwnd == 0) {
    const HWND previous = impl.capture;
    ReleaseCapture();
    return previous;
  }
  if (impl.Find(hwnd) == nullptr) return 0;
  const HWND previous = impl.capture;
  if (previous == hwnd) return previous;
  impl.capture = hwnd;
  if (previous != 0) impl.Deliver(previous, {.type = Msg::CaptureLost, .other = hwnd});
  return previous;
}

void WindowSystem::ReleaseCapture() {
  Impl& impl = *impl_;
  const HWND previous = impl.capture;
  if (previous == 0) return;
  impl.capture = 0;
  impl.Deliver(previous, {.type = Msg::CaptureLost, .other = 0});
}

POINT WindowSystem::CursorPos() const { return impl_->cursor; }

void WindowSystem::SetCursorPos(POINT screen) { impl_->cursor = ClampPoint(screen); }

}  // namespace kelvo::win

// The window system's lifetime, backend and screen resolution, and the
// lookups the other parts share.

#include <cmath>
#include <stdexcept>
#include <string>

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/win/window_system_impl.h"

namespace kelvo::win {

WindowSystem::WindowSystem() : impl_(std::make_unique<Impl>()) {
  impl_->backend = std::make_unique<HeadlessBackend>();
}

WindowSystem::~WindowSystem() = default;

WindowSystem& WindowSystem::Get() {
  static WindowSystem instance;
  return instance;
}

void WindowSystem::InstallBackend(std::unique_ptr<Backend> backend) {
  if (!backend) throw std::invalid_argument("InstallBackend: no backend given");
  // Timers keep their remaining time across the change of clock.
  const std::uint64_t oldNow = impl_->backend->NowMs();
  const std::uint64_t newNow = backend->NowMs();
  for (Timer& timer : impl_->timers) {
    const std::uint64_t remaining = timer.dueMs > oldNow ? timer.dueMs - oldNow : 0;
    timer.dueMs = newNow + remaining;
  }
  impl_->backend = std::move(backend);
}

Backend& WindowSystem::backend() { return *impl_->backend; }

void WindowSystem::SetScreenDpi(int dpi) {
  // Below half a twip per pixel the factor would round to zero.
  constexpr int kMaxDpi = 2880;
  if (dpi < 1 || dpi > kMaxDpi) {
    throw com::Error(com::err::kInvalidCall,
                     u"Screen resolution out of range: " + text::FromUtf8(std::to_string(dpi)) + u" dpi");
  }
  impl_->dpi = dpi;
  impl_->twipsPerPixel = static_cast<int>(std::lround(1440.0 / dpi));
}

int WindowSystem::ScreenDpi() const { return impl_->dpi; }
int WindowSystem::TwipsPerPixelX() const { return impl_->twipsPerPixel; }
int WindowSystem::TwipsPerPixelY() const { return impl_->twipsPerPixel; }

Window* WindowSystemState::Find(HWND hwnd) {
  auto it = windows.find(hwnd);
  return it == windows.end() ? nullptr : &it->second;
}

const Window* WindowSystemState::Find(HWND hwnd) const {
  auto it = windows.find(hwnd);
  return it == windows.end() ? nullptr : &it->second;
}

void WindowSystemState::Deliver(HWND hwnd, const Message& message) {
  const Window* window = Find(hwnd);
  if (window == nullptr || !window->proc) return;
  // A copy: the procedure may destroy its own window while it runs.
  WindowProc proc = window->proc;
  proc(hwnd, message);
}

bool WindowSystemState::IsSelfOrAncestor(HWND ancestor, HWND hwnd) const {
  for (const Window* w = Find(hwnd); w != nullptr; w = w->kind == WindowKind::Child ? Find(w->parent) : nullptr) {
    if (w->handle == ancestor) return true;
  }
  return false;
}

bool WindowSystemState::IsEnabledForInput(HWND hwnd) const {
  const Window* w = Find(hwnd);
  if (w == nullptr) return false;
  for (; w != nullptr; w = w->kind == WindowKind::Child ? Find(w->parent) : nullptr) {
    if (!w->enabled) return false;
  }
  return true;
}

POINT WindowSystemState::ScreenOrigin(HWND hwnd) const {
  POINT origin;
  for (const Window* w = Find(hwnd); w != nullptr; w = w->kind == WindowKind::Child ? Find(w->parent) : nullptr) {
    origin.x += w->rect.left;
    origin.y += w->rect.top;
  }
  return origin;
}

}  // namespace kelvo::win

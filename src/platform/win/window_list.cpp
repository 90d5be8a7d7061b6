// The kinds of windows and the list of windows without a parent, for the
// programs that look over every window (the console's `tip` query).
#include "platform/win/window_system_impl.h"

namespace kelvo::win {

WindowKind WindowSystem::Kind(HWND hwnd) const {
  const Window* w = impl_->Find(hwnd);
  return w == nullptr ? WindowKind::Child : w->kind;
}

std::vector<HWND> WindowSystem::TopLevelWindows() const {
  std::vector<HWND> out;
  for (const auto& [handle, window] : impl_->windows)
    if (window.parent == 0) out.push_back(handle);
  return out;
}

}  // namespace kelvo::win

// Activation of top-level windows, the keyboard focus and enabling windows.
//
// Activation leaves the focus where it is: the forms container and the
// controls' focus engine decide what a change of activation means for them.

#include "platform/win/window_system_impl.h"

namespace kelvo::win {
namespace {

// The top-level window that activation would pick for `hwnd`, or 0 when
// there is none (tool windows and loose child windows are never active).
HWND ActivatableTopLevel(const WindowSystem& ws, const WindowSystemState& impl, HWND hwnd) {
  const Window* top = impl.Find(ws.TopLevel(hwnd));
  return top != nullptr && top->kind == WindowKind::TopLevel ? top->handle : 0;
}

}  // namespace

HWND WindowSystem::Active() const { return impl_->active; }

void WindowSystem::Activate(HWND topLevel) {
  Impl& impl = *impl_;
  const HWND target = topLevel == 0 ? 0 : ActivatableTopLevel(*this, impl, topLevel);
  if (topLevel != 0 && target == 0) return;
  const HWND old = impl.active;
  if (old == target) return;
  impl.active = target;
  if (old != 0) impl.backend->WindowChanged(old);
  if (target != 0) impl.backend->WindowChanged(target);
  if (old != 0) impl.Deliver(old, {.type = Msg::Activate, .a = 0, .other = target});
  // The old window's handler may have activated another window already.
  if (target != 0 && impl.active == target) impl.Deliver(target, {.type = Msg::Activate, .a = 1, .other = old});
}

HWND WindowSystem::Focus() const { return impl_->focus; }

HWND WindowSystem::SetFocus(HWND hwnd) {
  Impl& impl = *impl_;
  const HWND previous = impl.focus;
  if (hwnd == 0 && previous == 0) return 0;
  if (hwnd != 0) {
    if (!impl.IsEnabledForInput(hwnd)) return 0;
    const HWND top = ActivatableTopLevel(*this, impl, hwnd);
    if (top != 0 && impl.active != top) {
      Activate(top);
      // The activation handlers may have destroyed, disabled or deactivated it.
      if (impl.active != top || !impl.IsEnabledForInput(hwnd)) return 0;
    }
    if (impl.focus == hwnd) return previous;
  }
  const HWND losing = impl.focus;
  impl.focus = hwnd;
  if (losing != 0) impl.Deliver(losing, {.type = Msg::KillFocus, .other = hwnd});
  // The KillFocus handler may have moved the focus on; then it stays there.
  if (hwnd != 0 && impl.focus == hwnd) impl.Deliver(hwnd, {.type = Msg::SetFocus, .other = losing});
  return previous;
}

void WindowSystem::Enable(HWND hwnd, bool enabled) {
  Impl& impl = *impl_;
  Window* w = impl.Find(hwnd);
  if (w == nullptr || w->enabled == enabled) return;
  w->enabled = enabled;
  impl.backend->WindowChanged(hwnd);
  if (!enabled) {
    // A disabled window can neither keep the focus nor the mouse.
    if (impl.focus != 0 && impl.IsSelfOrAncestor(hwnd, impl.focus)) SetFocus(0);
    if (impl.capture != 0 && impl.IsSelfOrAncestor(hwnd, impl.capture)) ReleaseCapture();
  }
  impl.Deliver(hwnd, {.type = Msg::Enable, .a = enabled ? 1 : 0});
}

bool WindowSystem::IsEnabled(HWND hwnd) const {
  const Window* w = impl_->Find(hwnd);
  return w != nullptr && w->enabled;
}

}  // namespace kelvo::win

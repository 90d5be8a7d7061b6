// Routing input to window procedures: keys to the focus window, the mouse to
// the capture window or the window under the pointer, and posted messages.

#include <stdexcept>

#include "platform/win/coordinates.h"
#include "platform/win/window_system_impl.h"

namespace kelvo::win {
namespace {

bool IsMouseMessage(Msg type) {
  return type == Msg::MouseDown || type == Msg::MouseUp || type == Msg::MouseMove || type == Msg::DblClick;
}

}  // namespace

void WindowSystem::Send(HWND hwnd, const Message& message) { impl_->Deliver(hwnd, message); }

void WindowSystem::KeyDown(int vk, int shift) {
  impl_->Deliver(impl_->focus, {.type = Msg::KeyDown, .a = vk, .b = shift});
}

void WindowSystem::KeyUp(int vk, int shift) {
  impl_->Deliver(impl_->focus, {.type = Msg::KeyUp, .a = vk, .b = shift});
}

void WindowSystem::Char(int code) { impl_->Deliver(impl_->focus, {.type = Msg::Char, .a = code}); }

void WindowSystem::MouseButton(Msg type, int button, int shift, POINT screen) {
  if (!IsMouseMessage(type)) throw std::invalid_argument("MouseButton: not a mouse message");
  Impl& impl = *impl_;
  impl.cursor = ClampPoint(screen);
  HWND target = impl.capture;
  if (target == 0) {
    target = WindowAt(impl.cursor);
    // A disabled window, or one inside a disabled parent, swallows the mouse.
    if (target == 0 || !impl.IsEnabledForInput(target)) return;
  }
  const POINT origin = impl.ScreenOrigin(target);
  impl.Deliver(target, {.type = type,
                        .a = button,
                        .b = shift,
                        .c = impl.cursor.x - origin.x,
                        .d = impl.cursor.y - origin.y});
}

void WindowSystem::Post(HWND hwnd, const Message& message) {
  impl_->posted.push_back({++impl_->lastPostSerial, hwnd, message});
}

void WindowSystem::DoEvents() {
  backend().DeliverWaitingInput();
  ProcessPending();
}

void WindowSystem::ProcessPending() {
  // Only what was posted before this call, so a handler that posts again
  // cannot keep the loop running forever; a nested call takes over the rest
  // in posting order.
  const std::uint64_t last = impl_->lastPostSerial;
  while (!impl_->posted.empty() && impl_->posted.front().serial <= last) {
    const WindowSystemState::Posted next = impl_->posted.front();
    impl_->posted.pop_front();
    impl_->Deliver(next.hwnd, next.message);
  }
}

}  // namespace kelvo::win

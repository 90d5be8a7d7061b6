// A control window's procedure: window messages turned into notifications,
// with the container's own keyboard handling and the mouse capture a press
// takes until its release.

#include "platform/forms/control_site.h"
#include "platform/forms/form_impl.h"
#include "platform/win/window_system.h"

namespace kelvo::forms {
namespace {

win::WindowSystem& Ws() { return win::WindowSystem::Get(); }

constexpr int kLeftButton = 1;

std::int16_t Narrow(int v) { return static_cast<std::int16_t>(v); }

}  // namespace

void ControlSite::OnMessage(const win::Message& m) {
  if (stopped_) return;
  Busy busy(form_.app());
  using win::Msg;
  switch (m.type) {
    case Msg::Size:
      if (!movingWindow_) OnResized(m.a, m.b);
      break;
    case Msg::Move:
      if (!movingWindow_) OnMoved(m.a, m.b);
      break;
    case Msg::SetFocus:
      form_.OnControlGotFocus(*this);
      break;
    case Msg::KillFocus:
      form_.OnControlLostFocus(*this);
      break;
    case Msg::Paint:
      if (started_) control_->Paint();
      break;
    case Msg::KeyDown:
      if (FormDesigner* designer = form_.Designer()) {
        designer->KeyDown(m.a, m.b);
      } else if (Interactive() && !form_.HandleKeyDown(this, m.a, m.b)) {
        std::int16_t code = Narrow(m.a);
        std::int16_t shift = Narrow(m.b);
        control_->KeyDown(code, shift);
      }
      break;
    case Msg::KeyUp:
      if (Interactive()) {
        std::int16_t code = Narrow(m.a);
        std::int16_t shift = Narrow(m.b);
        control_->KeyUp(code, shift);
      }
      break;
    case Msg::Char:
      if (Interactive() && !form_.SwallowChar(m.a)) {
        std::int16_t ascii = Narrow(m.a);
        control_->KeyPress(ascii);
      }
      break;
    case Msg::AccessKey:
      form_.HandleAccessKey(m.a);
      break;
    case Msg::MouseDown:
    case Msg::MouseMove:
    case Msg::MouseUp:
    case Msg::DblClick:
      OnMouse(m);
      break;
    case Msg::CaptureLost:
      buttonsHeld_ = 0;
      break;
    case Msg::Activate:
    case Msg::Enable:
    case Msg::Close:
      break;
  }
}

void ControlSite::OnMouse(const win::Message& m) {
  if (!started_) return;
  using win::Msg;
  if (FormDesigner* designer = form_.Designer()) {
    designer->OnWindowMouse(this, m);
    return;
  }
  const float x = ToTwipsX(m.c);
  const float y = ToTwipsY(m.d);
  const std::int16_t shift = Narrow(m.b);
  switch (m.type) {
    case Msg::MouseDown:
      // A press gives the focus first, then captures the mouse until the release.
      if (CanTakeFocus() && Ws().Focus() != hwnd_) Ws().SetFocus(hwnd_);
      if (stopped_) return;
      buttonsHeld_ |= m.a;
      Ws().SetCapture(hwnd_);
      control_->MouseDown(Narrow(m.a), shift, x, y);
      break;
    case Msg::MouseMove:
      control_->MouseMove(Narrow(m.a), shift, x, y);
      break;
    case Msg::MouseUp: {
      buttonsHeld_ &= ~m.a;
      if (buttonsHeld_ == 0 && Ws().Capture() == hwnd_) Ws().ReleaseCapture();
      control_->MouseUp(Narrow(m.a), shift, x, y);
      const win::RECT client = Ws().ClientRect(hwnd_);
      const bool inside = m.c >= 0 && m.d >= 0 && m.c < client.Width() && m.d < client.Height();
      if (m.a == kLeftButton && inside && !stopped_) control_->Click();
      break;
    }
    case Msg::DblClick:
      control_->DblClick();
      break;
    default:
      break;
  }
}

}  // namespace kelvo::forms

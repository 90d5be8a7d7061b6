// Input delivered as the container delivers it, the pointer, activation, the
// clock, the clipboard, scripted answers for menus and message boxes, and
// snapshots.
#include "platform/base/text.h"
#include "platform/console/handlers.h"
#include "platform/console/keys.h"
#include "platform/console/values.h"
#include "platform/gfx/picture.h"
#include "platform/win/backend.h"
#include "platform/win/compose.h"
#include "platform/win/window_system.h"

namespace kelvo::console {
namespace {

win::WindowSystem& Windows() { return win::WindowSystem::Get(); }

win::HeadlessBackend& Headless() {
  auto* backend = dynamic_cast<win::HeadlessBackend*>(&Windows().backend());
  if (backend == nullptr) throw ConsoleError("scripted answers need the headless backend");
  return *backend;
}

win::MsgBoxResult ResultOf(cmd::BoxAnswer answer) {
  switch (answer) {
    case cmd::BoxAnswer::OK: return win::MsgBoxResult::OK;
    case cmd::BoxAnswer::Cancel: return win::MsgBoxResult::Cancel;
    case cmd::BoxAnswer::Yes: return win::MsgBoxResult::Yes;
    case cmd::BoxAnswer::No: return win::MsgBoxResult::No;
  }
  return win::MsgBoxResult::OK;
}

// Each notification looks the control up again: the one before may have
// removed it.
void KeyDown(Session& s, const ControlRef& ref, std::int16_t code, std::int16_t shift) {
  s.ControlNamed(ref).KeyDown(code, shift);
}
void KeyUp(Session& s, const ControlRef& ref, std::int16_t code, std::int16_t shift) {
  s.ControlNamed(ref).KeyUp(code, shift);
}
void KeyPress(Session& s, const ControlRef& ref, std::int16_t code) { s.ControlNamed(ref).KeyPress(code); }

}  // namespace

Outcome Run(Session& s, const cmd::Focus& c) {
  s.ControlNamed(c.control).Focus();
  return {};
}

Outcome Run(Session& s, const cmd::KeyUpDown& c) {
  if (c.up) KeyUp(s, c.control, c.code, c.shift);
  else KeyDown(s, c.control, c.code, c.shift);
  return {};
}

Outcome Run(Session& s, const cmd::KeyPress& c) {
  KeyPress(s, c.control, c.code);
  return {};
}

Outcome Run(Session& s, const cmd::Type& c) {
  s.ControlNamed(c.control);
  for (char16_t ch : c.text) KeyPress(s, c.control, text::ToAnsi(ch));
  return {};
}

Outcome Run(Session& s, const cmd::Keystroke& c) {
  KeyDown(s, c.control, c.code, c.shift);
  if (const auto ch = CharacterOfKey(c.code, c.shift)) KeyPress(s, c.control, *ch);
  KeyUp(s, c.control, c.code, c.shift);
  return {};
}

Outcome Run(Session& s, const cmd::Mouse& c) {
  forms::Control& control = s.ControlNamed(c.control);
  const auto x = static_cast<float>(c.x);
  const auto y = static_cast<float>(c.y);
  switch (c.kind) {
    case cmd::Mouse::Kind::Down: control.MouseDown(c.button, c.shift, x, y); break;
    case cmd::Mouse::Kind::Move: control.MouseMove(c.button, c.shift, x, y); break;
    case cmd::Mouse::Kind::Up: control.MouseUp(c.button, c.shift, x, y); break;
  }
  return {};
}

Outcome Run(Session& s, const cmd::Click& c) {
  forms::Control& control = s.ControlNamed(c.control);
  if (c.doubleClick) control.DblClick();
  else control.Click();
  return {};
}

Outcome Run(Session& s, const cmd::AccessKey& c) {
  s.ControlNamed(c.control).AccessKeyPress(c.code);
  return {};
}

Outcome Run(Session& s, const cmd::Cursor& c) {
  win::POINT point{c.x, c.y};
  if (c.control) {
    const win::RECT rect = Windows().ScreenRect(s.WindowOf(*c.control));
    point = {rect.left + c.x, rect.top + c.y};
  }
  Windows().SetCursorPos(point);
  return {};
}

Outcome Run(Session& s, const cmd::Activate& c) {
  s.App().Activate(c.form ? &s.FormNamed(*c.form) : nullptr);
  return {};
}

Outcome Run(Session&, const cmd::Tick& c) {
  Windows().AdvanceClock(c.ms);
  return {};
}

Outcome Run(Session&, const cmd::SetClipboard& c) {
  Windows().SetClipboardText(c.text);
  return {};
}

Outcome Run(Session&, const cmd::MenuAnswer& c) {
  Headless().QueueMenuAnswer(c.index);
  return {};
}

Outcome Run(Session&, const cmd::MsgBoxAnswer& c) {
  Headless().QueueMessageBoxAnswer(ResultOf(c.answer));
  return {};
}

Outcome Run(Session& s, const cmd::Snapshot& c) {
  gfx::WritePng(win::ComposeWindow(s.WindowOf(c.control)), ScriptPath(c.path));
  return {};
}

}  // namespace kelvo::console

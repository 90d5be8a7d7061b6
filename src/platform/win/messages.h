#pragma once
// What the window system tells a window: input, focus, activation, size and
// timers. The forms container's window procedures turn these into control
// notifications.

#include <cstdint>
#include <functional>

#include "platform/win/types.h"

namespace kelvo::win {

enum class Msg : std::uint8_t {
  SetFocus,     // the window got the keyboard focus; other = the window that lost it
  KillFocus,    // the window lost the focus; other = the window that gets it (or 0)
  Activate,     // top-level window activated (a = 1) or deactivated (a = 0)
  Size,         // a = width, b = height in pixels
  Move,         // a = x, b = y relative to the parent (screen for top-level)
  Enable,       // a = 1 enabled, 0 disabled
  KeyDown,      // a = virtual-key code, b = shift state (1 Shift, 2 Ctrl, 4 Alt)
  KeyUp,        // as KeyDown
  Char,         // a = 8-bit character code (code page 1252; Backspace 8, Enter 13, Escape 27, Ctrl+letter 1..26)
  AccessKey,    // a = upper-case character code of Alt+letter, sent to the top-level window
  MouseDown,    // a = button (1 left, 2 right, 4 middle), b = shift, c = x, d = y in client pixels
  MouseUp,      // as MouseDown
  MouseMove,    // a = buttons held, b = shift, c = x, d = y
  DblClick,     // a = button, b = shift, c = x, d = y
  CaptureLost,  // the capture was taken away; other = the new capture window
  Paint,        // the window system asks for the picture again
  Close,        // the user asked a top-level window to close
};

struct Message {
  Msg type{};
  std::int32_t a = 0, b = 0, c = 0, d = 0;
  HWND other = 0;
};

using WindowProc = std::function<void(HWND, const Message&)>;

}  // namespace kelvo::win

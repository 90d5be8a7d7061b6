#pragma once
// The edits' keyboard and mouse events, raised on the control's site with
// their arguments by reference: each returns with the values the container's
// handlers left in them.

#include <cstdint>
#include <string_view>

#include "platform/forms/control.h"

namespace kelvo::klvctl32 {

// KeyDown or KeyUp (KeyCode, Shift).
void RaiseKeyEvent(forms::IControlSite& site, std::u16string_view event, std::int16_t& keyCode, std::int16_t& shift);
void RaiseKeyPressEvent(forms::IControlSite& site, std::int16_t& keyAscii);

// MouseDown, MouseMove or MouseUp (Button, Shift, x, y).
struct MouseArgs {
  std::int16_t button;
  std::int16_t shift;
  float x;
  float y;
};
MouseArgs RaiseMouseEvent(forms::IControlSite& site, std::u16string_view event, MouseArgs args);

}  // namespace kelvo::klvctl32

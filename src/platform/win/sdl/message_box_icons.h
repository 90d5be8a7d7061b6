#pragma once
// The message box icons, drawn by the backend: stop (a red disc with a white
// cross), question and information (a white disc in a blue ring with a blue
// "?" or "i"), exclamation (a yellow triangle with a black "!").

#include "platform/gfx/surface.h"
#include "platform/win/window_system.h"

namespace kelvo::win::sdl {

inline constexpr int kMessageBoxIconSize = 32;

// Draws the icon with its top-left corner at (x, y); None draws nothing.
void DrawMessageBoxIcon(gfx::Surface& surface, MsgBoxIcon icon, int x, int y);

}  // namespace kelvo::win::sdl

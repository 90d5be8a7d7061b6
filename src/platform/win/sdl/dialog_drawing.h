#pragma once
// The three-dimensional look the backend's own windows (pop-up menus and
// message boxes) are drawn with, in the system colours.

#include "platform/gfx/surface.h"

namespace kelvo::win::sdl {

// System colours by index (the OLE colour 0x80000000 + index).
namespace syscolor {
inline constexpr int kMenu = 4, kWindowText = 8, kMenuText = 7, kHighlight = 13, kHighlightText = 14;
inline constexpr int kButtonFace = 15, kButtonShadow = 16, kGrayText = 17, kButtonText = 18;
inline constexpr int kButtonHighlight = 20, kDarkShadow = 21, kLight = 22;
}  // namespace syscolor

gfx::Rgb SysColor(int index);
gfx::OleColor SysOleColor(int index);

// A two-pixel edge inside r: raised (light top-left, dark bottom-right) or sunken.
void DrawEdge(gfx::Surface& surface, const gfx::RectPx& r, bool raised);
// A one-pixel outline inside r.
void DrawFrame(gfx::Surface& surface, const gfx::RectPx& r, gfx::Rgb color);

}  // namespace kelvo::win::sdl

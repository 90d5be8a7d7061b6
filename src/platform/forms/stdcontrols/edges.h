#pragma once
// The 3D edges and the focus rectangle the interactive standard controls draw.

#include "platform/forms/stdcontrols/system_colors.h"
#include "platform/gfx/surface.h"

namespace kelvo::forms::stdcontrols {

// A one-pixel frame: top and left in one colour, bottom and right in another
// (the bottom-left and top-right corners take the second).
void Frame3D(gfx::Surface& s, const gfx::RectPx& r, gfx::OleColor topLeft, gfx::OleColor bottomRight);
// A push button's two-pixel edge, raised or pressed.
void ButtonEdge(gfx::Surface& s, const gfx::RectPx& r, bool pressed);
// The two-pixel sunken edge of an entry field.
void FieldEdge(gfx::Surface& s, const gfx::RectPx& r);
// A dotted focus rectangle (every other pixel inverted).
void FocusRect(gfx::Surface& s, const gfx::RectPx& r);
void FillRect(gfx::Surface& s, const gfx::RectPx& r, gfx::OleColor color);

}  // namespace kelvo::forms::stdcontrols

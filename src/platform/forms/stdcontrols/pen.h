#pragma once
// Pixel lines for the line and shape controls: BorderStyle patterns (0
// transparent, 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 inside
// solid) and widths; patterns apply to one-pixel lines only.

#include <cstdint>

#include "platform/gfx/surface.h"

namespace kelvo::forms::stdcontrols {

// Whether the pen draws the step-th pixel along a line.
bool PenDraws(std::int16_t style, int width, int step);

// A line from (x0, y0) to (x1, y1) inclusive, `width` pixels thick.
void DrawPenLine(gfx::Surface& surface, int x0, int y0, int x1, int y1, int width, std::int16_t style, gfx::Rgb color);

}  // namespace kelvo::forms::stdcontrols

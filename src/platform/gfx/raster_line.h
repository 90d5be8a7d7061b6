#pragma once
// The pixels of a line between two pixel points: the start point is covered,
// the end point is not, and a line whose points coincide covers nothing. The
// minor coordinate of step i along the major axis is the start's plus
// i × (minor distance / major distance), rounded to the nearest pixel
// (halves away from the start), as Bresenham's algorithm steps it.

#include <functional>

namespace kelvo::gfx {

// Calls plot(x, y) for each pixel of the line inside 0..width-1 × 0..height-1,
// from the start towards the end. Only the visible steps are visited, so the
// cost is bounded by the clip size whatever the line's length (coordinates up
// to ±2^29).
void ForEachLinePixel(int x1, int y1, int x2, int y2, int width, int height,
                      const std::function<void(int, int)>& plot);

}  // namespace kelvo::gfx

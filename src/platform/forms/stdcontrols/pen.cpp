// Patterned and thick pixel lines.

#include "platform/forms/stdcontrols/pen.h"

#include <array>
#include <cstdlib>
#include <span>

namespace kelvo::forms::stdcontrols {
namespace {

// Alternating on and off runs, in pixels.
constexpr std::array<int, 2> kDash{6, 3};
constexpr std::array<int, 2> kDot{1, 2};
constexpr std::array<int, 4> kDashDot{6, 2, 1, 2};
constexpr std::array<int, 6> kDashDotDot{6, 2, 1, 2, 1, 2};

bool OnInPattern(std::span<const int> runs, int step) {
  int period = 0;
  for (const int r : runs) period += r;
  int at = step % period;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (at < runs[i]) return i % 2 == 0;
    at -= runs[i];
  }
  return true;
}

}  // namespace

bool PenDraws(std::int16_t style, int width, int step) {
  if (style == 0) return false;
  if (width > 1) return true;
  switch (style) {
    case 2:
      return OnInPattern(kDash, step);
    case 3:
      return OnInPattern(kDot, step);
    case 4:
      return OnInPattern(kDashDot, step);
    case 5:
      return OnInPattern(kDashDotDot, step);
    default:
      return true;
  }
}

void DrawPenLine(gfx::Surface& surface, int x0, int y0, int x1, int y1, int width, std::int16_t style,
                 gfx::Rgb color) {
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  const int half = (width - 1) / 2;
  int err = dx + dy;
  for (int step = 0;; ++step) {
    if (PenDraws(style, width, step)) {
      surface.FillRectPx({x0 - half, y0 - half, x0 - half + width, y0 - half + width}, color);
    }
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

}  // namespace kelvo::forms::stdcontrols

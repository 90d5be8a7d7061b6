#include "platform/gfx/raster_line.h"

#include <algorithm>
#include <cstdint>

namespace kelvo::gfx {
namespace {

struct Axis {
  std::int64_t start;  // coordinate of the start point
  std::int64_t step;   // +1 or -1
  std::int64_t limit;  // size of the clip on this axis
};

// The range of steps [first, last] that keep the coordinate inside 0..limit-1.
bool VisibleSteps(const Axis& a, std::int64_t count, std::int64_t& first, std::int64_t& last) {
  if (a.step > 0) {
    first = std::max<std::int64_t>(0, -a.start);
    last = std::min<std::int64_t>(count - 1, a.limit - 1 - a.start);
  } else {
    first = std::max<std::int64_t>(0, a.start - (a.limit - 1));
    last = std::min<std::int64_t>(count - 1, a.start);
  }
  return first <= last;
}

void Walk(const Axis& major, const Axis& minor, std::int64_t majorLen, std::int64_t minorLen,
          const std::function<void(std::int64_t, std::int64_t)>& plot) {
  std::int64_t first = 0, last = 0;
  if (!VisibleSteps(major, majorLen, first, last)) return;
  for (std::int64_t i = first; i <= last; ++i) {
    const std::int64_t offset = (2 * i * minorLen + majorLen) / (2 * majorLen);
    const std::int64_t m = minor.start + minor.step * offset;
    if (m >= 0 && m < minor.limit) plot(major.start + major.step * i, m);
  }
}

}  // namespace

void ForEachLinePixel(int x1, int y1, int x2, int y2, int width, int height,
                      const std::function<void(int, int)>& plot) {
  const std::int64_t dx = static_cast<std::int64_t>(x2) - x1;
  const std::int64_t dy = static_cast<std::int64_t>(y2) - y1;
  if ((dx == 0 && dy == 0) || width <= 0 || height <= 0) return;
  const Axis ax{x1, dx < 0 ? -1 : 1, width};
  const Axis ay{y1, dy < 0 ? -1 : 1, height};
  const std::int64_t adx = dx < 0 ? -dx : dx;
  const std::int64_t ady = dy < 0 ? -dy : dy;
  if (adx >= ady) {
    Walk(ax, ay, adx, ady, [&](std::int64_t x, std::int64_t y) { plot(static_cast<int>(x), static_cast<int>(y)); });
  } else {
    Walk(ay, ax, ady, adx, [&](std::int64_t y, std::int64_t x) { plot(static_cast<int>(x), static_cast<int>(y)); });
  }
}

}  // namespace kelvo::gfx

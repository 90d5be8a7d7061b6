#include "platform/gfx/stretch.h"

#include <algorithm>
#include <cstdint>

namespace kelvo::gfx {
namespace {

std::uint32_t Channel(std::uint32_t p, int shift) { return (p >> shift) & 0xFFu; }

std::uint32_t Over(std::uint32_t src, std::uint32_t dst) {
  const std::uint32_t a = src >> 24;
  if (a == 0xFF) return src;
  if (a == 0) return dst;
  const std::uint32_t inv = 255 - a;
  std::uint32_t out = (a + (Channel(dst, 24) * inv + 127) / 255) << 24;
  for (int shift : {16, 8, 0}) {
    out |= ((Channel(src, shift) * a + Channel(dst, shift) * inv + 127) / 255) << shift;
  }
  return out;
}

// The source index for destination index d of a span of n stretched from size s.
int SourceIndex(std::int64_t d, std::int64_t n, int s) { return static_cast<int>((2 * d + 1) * s / (2 * n)); }

}  // namespace

void StretchOnto(Image& dst, const Image& src, int left, int top, int width, int height) {
  if (width <= 0 || height <= 0 || src.empty()) return;
  const std::int64_t x0 = std::max<std::int64_t>(0, left);
  const std::int64_t y0 = std::max<std::int64_t>(0, top);
  const std::int64_t x1 = std::min<std::int64_t>(dst.width(), static_cast<std::int64_t>(left) + width);
  const std::int64_t y1 = std::min<std::int64_t>(dst.height(), static_cast<std::int64_t>(top) + height);
  for (std::int64_t y = y0; y < y1; ++y) {
    const int sy = SourceIndex(y - top, height, src.height());
    for (std::int64_t x = x0; x < x1; ++x) {
      const int sx = SourceIndex(x - left, width, src.width());
      const int px = static_cast<int>(x), py = static_cast<int>(y);
      dst.Set(px, py, Over(src.At(sx, sy), dst.At(px, py)));
    }
  }
}

}  // namespace kelvo::gfx

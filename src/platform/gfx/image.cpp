#include "platform/gfx/image.h"

#include <algorithm>

namespace kelvo::gfx {

Image::Image(int width, int height, std::uint32_t fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

Rgb Image::RgbAt(int x, int y) const {
  const std::uint32_t p = At(x, y);
  return {static_cast<std::uint8_t>((p >> 16) & 0xFF), static_cast<std::uint8_t>((p >> 8) & 0xFF),
          static_cast<std::uint8_t>(p & 0xFF)};
}

void Image::SetRgb(int x, int y, Rgb c) { Set(x, y, ToArgb(c)); }

}  // namespace kelvo::gfx

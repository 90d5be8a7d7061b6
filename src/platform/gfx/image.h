#pragma once
// An RGBA image in memory: pixels row by row, 0xAARRGGBB each.

#include <cstdint>
#include <vector>

#include "platform/gfx/color.h"

namespace kelvo::gfx {

class Image {
 public:
  Image() = default;
  Image(int width, int height, std::uint32_t fill = 0xFF000000u);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0 || height_ == 0; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  std::uint32_t At(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, std::uint32_t argb) { pixels_[Index(x, y)] = argb; }
  Rgb RgbAt(int x, int y) const;
  void SetRgb(int x, int y, Rgb c);  // opaque

  const std::vector<std::uint32_t>& pixels() const { return pixels_; }
  std::vector<std::uint32_t>& pixels() { return pixels_; }
  friend bool operator==(const Image&, const Image&) = default;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

inline constexpr std::uint32_t ToArgb(Rgb c) {
  return 0xFF000000u | (static_cast<std::uint32_t>(c.r) << 16) | (static_cast<std::uint32_t>(c.g) << 8) | c.b;
}

}  // namespace kelvo::gfx

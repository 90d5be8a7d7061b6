#include "reference_image.h"

#include <cstdio>

namespace kelvo::klvctl32::testing {

namespace {

std::string RgbText(gfx::Rgb c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", unsigned{c.r}, unsigned{c.g}, unsigned{c.b});
  return buf;
}

}  // namespace

ReferenceImage::ReferenceImage(int width, int height, gfx::OleColor fill)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

void ReferenceImage::Plot(int x, int y, gfx::OleColor color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = color;
}

void ReferenceImage::Row(int y, int x1, int x2, gfx::OleColor color) {
  for (int x = x1; x <= x2; ++x) Plot(x, y, color);
}

void ReferenceImage::Column(int x, int y1, int y2, gfx::OleColor color) {
  for (int y = y1; y <= y2; ++y) Plot(x, y, color);
}

gfx::OleColor ReferenceImage::At(int x, int y) const {
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

::testing::AssertionResult Matches(const gfx::Surface& surface, const ReferenceImage& expected) {
  if (surface.widthPx() != expected.width() || surface.heightPx() != expected.height()) {
    return ::testing::AssertionFailure() << "surface is " << surface.widthPx() << "x" << surface.heightPx()
                                         << ", expected " << expected.width() << "x" << expected.height();
  }
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      const gfx::Rgb want = gfx::ResolveColor(expected.At(x, y));
      if (surface.PixelAt(x, y) != want) {
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") is " << PixelText(surface, x, y) << ", expected " << RgbText(want);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

std::string PixelText(const gfx::Surface& surface, int x, int y) { return RgbText(surface.PixelAt(x, y)); }

std::string ColorText(gfx::OleColor color) { return RgbText(gfx::ResolveColor(color)); }

}  // namespace kelvo::klvctl32::testing

// The engine's design-time picture: a 47 x 37 pixel raised tile with a
// toothed wheel, drawn in code.
#include <cmath>
#include <numbers>

#include "klvctl32/host/enginer.h"

namespace kelvo::klvctl32 {

namespace {

constexpr std::uint32_t kFace = 0xFFC0C0C0u;
constexpr std::uint32_t kLight = 0xFFFFFFFFu;
constexpr std::uint32_t kShadow = 0xFF808080u;
constexpr std::uint32_t kWheel = 0xFF000080u;
constexpr std::uint32_t kHub = 0xFF00FFFFu;

constexpr double kCenterX = 23.0;
constexpr double kCenterY = 18.0;
constexpr double kRimRadius = 10.5;
constexpr double kToothRadius = 14.0;
constexpr double kHubRadius = 3.5;
constexpr int kTeeth = 8;

void RaisedEdge(gfx::Image& img) {
  const int w = img.width();
  const int h = img.height();
  for (int x = 0; x < w; ++x) {
    img.Set(x, 0, kLight);
    img.Set(x, h - 1, kShadow);
  }
  for (int y = 0; y < h; ++y) {
    img.Set(0, y, kLight);
    img.Set(w - 1, y, kShadow);
  }
}

// A tooth stands where the angle falls in the first half of its sector.
bool OnTooth(double dx, double dy) {
  const double sector = 2.0 * std::numbers::pi / kTeeth;
  const double angle = std::atan2(dy, dx) + std::numbers::pi;
  return std::fmod(angle, sector) < sector / 2.0;
}

std::uint32_t WheelPixel(int x, int y) {
  const double dx = x + 0.5 - kCenterX;
  const double dy = y + 0.5 - kCenterY;
  const double r = std::hypot(dx, dy);
  if (r <= kHubRadius) return kHub;
  if (r <= kRimRadius) return kWheel;
  if (r <= kToothRadius && OnTooth(dx, dy)) return kWheel;
  return kFace;
}

gfx::Image DrawPicture() {
  gfx::Image img(KelvoEnginer::kPictureWidth, KelvoEnginer::kPictureHeight, kFace);
  for (int y = 1; y < img.height() - 1; ++y) {
    for (int x = 1; x < img.width() - 1; ++x) img.Set(x, y, WheelPixel(x, y));
  }
  RaisedEdge(img);
  return img;
}

}  // namespace

const gfx::Image& KelvoEnginer::Picture() {
  static const gfx::Image picture = DrawPicture();
  return picture;
}

}  // namespace kelvo::klvctl32

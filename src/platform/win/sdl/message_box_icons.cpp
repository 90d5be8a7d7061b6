// Each icon is a few shapes tested pixel by pixel in the icon's own
// coordinates, the centre at (15.5, 15.5).

#include "platform/win/sdl/message_box_icons.h"

#include <cmath>
#include <optional>

namespace kelvo::win::sdl {
namespace {

constexpr double kCentre = 15.5;
constexpr gfx::Rgb kRed{0xD8, 0x20, 0x20}, kDarkRed{0x80, 0x00, 0x00};
constexpr gfx::Rgb kBlue{0x10, 0x40, 0xC0}, kWhite{0xFF, 0xFF, 0xFF};
constexpr gfx::Rgb kYellow{0xFF, 0xD8, 0x00}, kBlack{0x00, 0x00, 0x00};

double Distance(double px, double py, double cx, double cy) { return std::hypot(px - cx, py - cy); }

bool InBox(double px, double py, double left, double top, double right, double bottom) {
  return px >= left && px <= right && py >= top && py <= bottom;
}

// Pixel centres in the icon's coordinates.
using Shader = std::optional<gfx::Rgb> (*)(double px, double py);

std::optional<gfx::Rgb> StopPixel(double px, double py) {
  const double d = Distance(px, py, kCentre, kCentre);
  if (d > 15.5) return std::nullopt;
  if (d > 14.5) return kDarkRed;
  const double dx = px - kCentre, dy = py - kCentre;
  const bool onCross = std::abs(dx) <= 7 && std::abs(dy) <= 7 && (std::abs(dx - dy) <= 2 || std::abs(dx + dy) <= 2);
  return onCross ? kWhite : kRed;
}

// A white disc in a blue ring, for the question and information marks.
std::optional<gfx::Rgb> BubblePixel(double px, double py) {
  const double d = Distance(px, py, kCentre, kCentre);
  if (d > 15.5) return std::nullopt;
  return d > 13.5 ? kBlue : kWhite;
}

std::optional<gfx::Rgb> QuestionPixel(double px, double py) {
  const std::optional<gfx::Rgb> bubble = BubblePixel(px, py);
  if (bubble != kWhite) return bubble;
  // The hook: a ring around (15.5, 11.5) over its upper half and right side.
  const double d = Distance(px, py, kCentre, 11.5);
  const bool hook = d >= 3.5 && d <= 6.5 && (py <= 11.5 || px >= kCentre);
  const bool stem = InBox(px, py, 14, 15, 17, 19);
  const bool dot = Distance(px, py, kCentre, 23.5) <= 2;
  return hook || stem || dot ? kBlue : kWhite;
}

std::optional<gfx::Rgb> InformationPixel(double px, double py) {
  const std::optional<gfx::Rgb> bubble = BubblePixel(px, py);
  if (bubble != kWhite) return bubble;
  const bool dot = Distance(px, py, kCentre, 8.5) <= 2;
  const bool stem = InBox(px, py, 14, 13, 17, 25);
  return dot || stem ? kBlue : kWhite;
}

std::optional<gfx::Rgb> ExclamationPixel(double px, double py) {
  // The triangle's apex at the top centre, its base along the bottom row.
  const double halfWidth = (py - 1) * 15.5 / 30;
  if (py < 1 || py > 31 || std::abs(px - kCentre) > halfWidth) return std::nullopt;
  if (py > 30 || std::abs(px - kCentre) > halfWidth - 1.5) return kBlack;
  const bool bar = InBox(px, py, 14, 9, 17, 21);
  const bool dot = Distance(px, py, kCentre, 25.5) <= 2;
  return bar || dot ? kBlack : kYellow;
}

Shader ShaderOf(MsgBoxIcon icon) {
  switch (icon) {
    case MsgBoxIcon::Stop:
      return StopPixel;
    case MsgBoxIcon::Question:
      return QuestionPixel;
    case MsgBoxIcon::Exclamation:
      return ExclamationPixel;
    case MsgBoxIcon::Information:
      return InformationPixel;
    case MsgBoxIcon::None:
      return nullptr;
  }
  return nullptr;
}

}  // namespace

void DrawMessageBoxIcon(gfx::Surface& surface, MsgBoxIcon icon, int x, int y) {
  const Shader shader = ShaderOf(icon);
  if (shader == nullptr) return;
  for (int iy = 0; iy < kMessageBoxIconSize; ++iy) {
    for (int ix = 0; ix < kMessageBoxIconSize; ++ix) {
      if (const auto color = shader(ix + 0.5, iy + 0.5))
        surface.FillRectPx({x + ix, y + iy, x + ix + 1, y + iy + 1}, *color);
    }
  }
}

}  // namespace kelvo::win::sdl

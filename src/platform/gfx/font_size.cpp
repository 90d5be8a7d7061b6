#include "platform/gfx/font_size.h"

#include <algorithm>
#include <cmath>

namespace kelvo::gfx {

int PixelSizeFor(double points, int dpi) {
  const double pixels = points * std::clamp(dpi, 1, 4800) / 72.0;
  if (!std::isfinite(pixels) || pixels < 1.0) return 1;
  return static_cast<int>(std::lround(std::min(pixels, static_cast<double>(kMaxFontPixels))));
}

}  // namespace kelvo::gfx

#pragma once
// The pixel size of a font: points × dpi / 72, rounded, kept within sane bounds
// (a size from a form file may be anything).

namespace kelvo::gfx {

inline constexpr int kMaxFontPixels = 1024;

int PixelSizeFor(double points, int dpi);

}  // namespace kelvo::gfx

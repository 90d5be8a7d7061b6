#pragma once
// An expected picture built pixel by pixel from a control's description in
// pixels, compared with what the control drew on its surface.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gfx/color.h"
#include "platform/gfx/surface.h"

namespace kelvo::klvctl32::testing {

class ReferenceImage {
 public:
  ReferenceImage(int width, int height, gfx::OleColor fill);

  // Inclusive runs; pixels outside the picture are skipped.
  void Row(int y, int x1, int x2, gfx::OleColor color);
  void Column(int x, int y1, int y2, gfx::OleColor color);
  gfx::OleColor At(int x, int y) const;

  int width() const { return width_; }
  int height() const { return height_; }

 private:
  void Plot(int x, int y, gfx::OleColor color);
  int width_;
  int height_;
  std::vector<gfx::OleColor> pixels_;
};

// Same size and every pixel equal after resolving OLE colours; otherwise
// names the first differing pixel.
::testing::AssertionResult Matches(const gfx::Surface& surface, const ReferenceImage& expected);

// The pixel as "#RRGGBB".
std::string PixelText(const gfx::Surface& surface, int x, int y);
std::string ColorText(gfx::OleColor color);

}  // namespace kelvo::klvctl32::testing

#include "platform/win/sdl/dialog_drawing.h"

namespace kelvo::win::sdl {
namespace {

// One pixel wide lines along the top and left, and along the bottom and right.
void DrawCorners(gfx::Surface& surface, const gfx::RectPx& r, gfx::Rgb topLeft, gfx::Rgb bottomRight) {
  surface.FillRectPx({r.left, r.top, r.right - 1, r.top + 1}, topLeft);
  surface.FillRectPx({r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
  surface.FillRectPx({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  surface.FillRectPx({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

gfx::RectPx Inset(const gfx::RectPx& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

}  // namespace

gfx::Rgb SysColor(int index) { return gfx::SystemColor(index); }

gfx::OleColor SysOleColor(int index) { return gfx::kSystemColorBase + static_cast<gfx::OleColor>(index); }

void DrawEdge(gfx::Surface& surface, const gfx::RectPx& r, bool raised) {
  using namespace syscolor;
  if (raised) {
    DrawCorners(surface, r, SysColor(kLight), SysColor(kDarkShadow));
    DrawCorners(surface, Inset(r, 1), SysColor(kButtonHighlight), SysColor(kButtonShadow));
  } else {
    DrawCorners(surface, r, SysColor(kButtonShadow), SysColor(kButtonHighlight));
    DrawCorners(surface, Inset(r, 1), SysColor(kDarkShadow), SysColor(kLight));
  }
}

void DrawFrame(gfx::Surface& surface, const gfx::RectPx& r, gfx::Rgb color) { DrawCorners(surface, r, color, color); }

}  // namespace kelvo::win::sdl

// 3D edges and focus rectangles.

#include "platform/forms/stdcontrols/edges.h"

#include "platform/gfx/color.h"

namespace kelvo::forms::stdcontrols {

void FillRect(gfx::Surface& s, const gfx::RectPx& r, gfx::OleColor color) {
  s.FillRectPx(r, gfx::ResolveColor(color));
}

void Frame3D(gfx::Surface& s, const gfx::RectPx& r, gfx::OleColor topLeft, gfx::OleColor bottomRight) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  FillRect(s, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
  FillRect(s, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
  FillRect(s, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  FillRect(s, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void ButtonEdge(gfx::Surface& s, const gfx::RectPx& r, bool pressed) {
  const gfx::RectPx inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  if (pressed) {
    Frame3D(s, r, kDarkShadow, kButtonHighlight);
    Frame3D(s, inner, kButtonShadow, kLight);
  } else {
    Frame3D(s, r, kButtonHighlight, kDarkShadow);
    Frame3D(s, inner, kLight, kButtonShadow);
  }
}

void FieldEdge(gfx::Surface& s, const gfx::RectPx& r) {
  Frame3D(s, r, kButtonShadow, kButtonHighlight);
  Frame3D(s, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, kDarkShadow, kLight);
}

void FocusRect(gfx::Surface& s, const gfx::RectPx& r) {
  for (int x = r.left; x < r.right; x += 2) {
    s.InvertPixelPx(x, r.top);
    s.InvertPixelPx(x, r.bottom - 1);
  }
  for (int y = r.top + 2; y < r.bottom - 1; y += 2) {
    s.InvertPixelPx(r.left, y);
    s.InvertPixelPx(r.right - 1, y);
  }
}

}  // namespace kelvo::forms::stdcontrols

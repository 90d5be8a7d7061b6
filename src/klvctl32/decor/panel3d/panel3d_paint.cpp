// KelvoPanel3D's picture: DrawPanel and its frame routine.
#include "klvctl32/decor/panel3d/panel3d.h"

namespace kelvo::klvctl32 {

void KelvoPanel3D::DrawPanel() {
  gfx::Surface& surface = Surface();
  surface.SetBackColor(backColor_);
  surface.Clear();
  const EdgeColors outer = ColorsFor(borderOut_);
  const EdgeColors inner = ColorsFor(borderIn_);
  const double w = surface.ScaleWidth();
  const double h = surface.ScaleHeight();
  const Twips16 px = PxX();
  const Twips16 py = PxY();
  Draw3DFrame(0, 0, RoundTwips(w - px), RoundTwips(h - py), outer);
  const Twips16 dx = MulTwips(borderWidth_, px);
  const Twips16 dy = MulTwips(borderWidth_, py);
  Draw3DFrame(dx, dy, RoundTwips(w - px - dx), RoundTwips(h - py - dy), inner);
}

// KLVPN_None draws in the background colour, KLVPN_Raised light over shadow,
// anything else lowered.
KelvoPanel3D::EdgeColors KelvoPanel3D::ColorsFor(std::int16_t style) const {
  if (style == KLVPN_None) return {backColor_, backColor_};
  if (style == KLVPN_Raised) return {light3DColor_, shadow3DColor_};
  return {shadow3DColor_, light3DColor_};
}

// Top and left in the top-left colour; bottom (one pixel longer, so it takes
// the bottom-right corner) and right in the bottom-right colour.
void KelvoPanel3D::Draw3DFrame(Twips16 x1, Twips16 y1, Twips16 x2, Twips16 y2, EdgeColors colors) const {
  DrawLine(x1, y1, x2, y1, colors.topLeft);
  DrawLine(x1, y1, x1, y2, colors.topLeft);
  DrawLine(x1, y2, AddTwips(x2, PxX()), y2, colors.bottomRight);
  DrawLine(x2, y1, x2, y2, colors.bottomRight);
}

}  // namespace kelvo::klvctl32

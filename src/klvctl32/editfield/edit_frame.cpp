#include "klvctl32/editfield/edit_frame.h"

namespace kelvo::klvctl32 {

namespace {

constexpr gfx::OleColor kBlack = 0;
constexpr gfx::OleColor kButtonFace = 0x8000000Fu;
constexpr gfx::OleColor kButtonShadow = 0x80000010u;
constexpr gfx::OleColor kButtonHighlight = 0x80000014u;
constexpr double kShadowPx = 5;

}  // namespace

TwipsPair PaintFieldBackground(gfx::Surface& surface, bool shadow, gfx::OleColor shadowColor, gfx::OleColor backColor,
                               TwipsPair px) {
  // Without a shadow the field's box covers every pixel, so filling the
  // surface first would only be painted over.
  if (shadow) {
    surface.Clear();
  } else {
    surface.SetCurrentX(0);
    surface.SetCurrentY(0);
  }
  double w = surface.ScaleWidth();
  double h = surface.ScaleHeight();
  if (shadow) {
    surface.FilledBox(kShadowPx * px.x, kShadowPx * px.y, w, h, shadowColor);
    w -= kShadowPx * px.x;
    h -= kShadowPx * px.y;
  }
  surface.FilledBox(0, 0, w - px.x, h - px.y, backColor);
  return {w, h};
}

void DrawFieldBorder(gfx::Surface& surface, bool border3D, TwipsPair field, TwipsPair px, TwipsPair ends) {
  const double w = field.x;
  const double h = field.y;
  if (border3D) {
    DrawFrameLines(surface, 0, 0, w - px.x, h - px.y, kButtonShadow, kButtonHighlight, ends);
    DrawFrameLines(surface, px.x, px.y, w - 2 * px.x, h - 2 * px.y, kBlack, kButtonFace, ends);
  } else {
    DrawFrameLines(surface, 0, 0, w - px.x, h - px.y, kBlack, kBlack, ends);
  }
}

// Each line leaves out its end point; the bottom and left lines reach past
// the corner by `ends`.
void DrawFrameLines(gfx::Surface& surface, double x1, double y1, double x2, double y2, gfx::OleColor colourA,
                    gfx::OleColor colourB, TwipsPair ends) {
  surface.Line(x1, y1, x2, y1, colourA);
  surface.Line(x1, y2, x2 + ends.x, y2, colourB);
  surface.Line(x1, y1, x1, y2 + ends.y, colourA);
  surface.Line(x2, y1, x2, y2, colourB);
}

void DrawRaisedFrame(gfx::Surface& surface, double x1, double y1, double x2, double y2, TwipsPair px, TwipsPair ends) {
  DrawFrameLines(surface, x1 - px.x, y1, x2 + px.x, y2 + px.y, kButtonHighlight, kButtonShadow, ends);
}

}  // namespace kelvo::klvctl32

#pragma once
// The edits' drawn field: the drop shadow band at the bottom and right, the
// background box, the sunken 3D or flat black border, and the raised frame
// around a highlight. All coordinates are twips; `px` is one pixel on each
// axis, `ends` how far past its corner the bottom and left lines of a frame
// reach (each edit has its own rule).

#include "platform/gfx/color.h"
#include "platform/gfx/surface.h"

namespace kelvo::klvctl32 {

struct TwipsPair {
  double x;
  double y;
};

// Clears the surface, paints the shadow band (5 px in from the top-left) when
// asked and the background box, and returns the size left for the field.
TwipsPair PaintFieldBackground(gfx::Surface& surface, bool shadow, gfx::OleColor shadowColor, gfx::OleColor backColor,
                               TwipsPair px);

// Sunken: button shadow and highlight outside, black and button face inside;
// flat: one black rectangle. `field` is the size PaintFieldBackground left.
void DrawFieldBorder(gfx::Surface& surface, bool border3D, TwipsPair field, TwipsPair px, TwipsPair ends);

// A rectangle as four lines: colourA top and left, colourB bottom and right.
void DrawFrameLines(gfx::Surface& surface, double x1, double y1, double x2, double y2, gfx::OleColor colourA,
                    gfx::OleColor colourB, TwipsPair ends);

// A raised button-like frame one pixel around the sides of a box.
void DrawRaisedFrame(gfx::Surface& surface, double x1, double y1, double x2, double y2, TwipsPair px, TwipsPair ends);

}  // namespace kelvo::klvctl32

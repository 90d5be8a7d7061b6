#pragma once
// The 3D edges and the focus rectangle the interactive standard controls draw.

#include "platform/gfx/surface.h"

namespace kelvo::forms::stdcontrols {

inline constexpr gfx::OleColor kButtonFace = 0x8000000Fu;
inline constexpr gfx::OleColor kButtonShadow = 0x80000010u;
inline constexpr gfx::OleColor kGrayText = 0x80000011u;
inline constexpr gfx::OleColor kButtonText = 0x80000012u;
inline constexpr gfx::OleColor kButtonHighlight = 0x80000014u;
inline constexpr gfx::OleColor kDarkShadow = 0x80000015u;
inline constexpr gfx::OleColor kLight = 0x80000016u;
inline constexpr gfx::OleColor kWindowBackground = 0x80000005u;
inline constexpr gfx::OleColor kWindowFrame = 0x80000006u;
inline constexpr gfx::OleColor kWindowText = 0x80000008u;
inline constexpr gfx::OleColor kHighlight = 0x8000000Du;
inline constexpr gfx::OleColor kHighlightText = 0x8000000Eu;

// A one-pixel frame: top and left in one colour, bottom and right in another
// (the bottom-left and top-right corners take the second).
void Frame3D(gfx::Surface& s, const gfx::RectPx& r, gfx::OleColor topLeft, gfx::OleColor bottomRight);
// A push button's two-pixel edge, raised or pressed.
void ButtonEdge(gfx::Surface& s, const gfx::RectPx& r, bool pressed);
// The two-pixel sunken edge of an entry field.
void FieldEdge(gfx::Surface& s, const gfx::RectPx& r);
// A dotted focus rectangle (every other pixel inverted).
void FocusRect(gfx::Surface& s, const gfx::RectPx& r);
void FillRect(gfx::Surface& s, const gfx::RectPx& r, gfx::OleColor color);

}  // namespace kelvo::forms::stdcontrols

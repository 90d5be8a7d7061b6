#pragma once
// Formatted text in a rectangle, and the focus rectangle: the work behind the
// window system's DrawTextA and DrawFocusRect, done on a surface.

#include <string_view>

#include "platform/gfx/surface.h"

namespace kelvo::gfx {

// Format flags, with the window system's DT_ values.
namespace textformat {
inline constexpr unsigned kLeft = 0x0;
inline constexpr unsigned kCenter = 0x1;
inline constexpr unsigned kRight = 0x2;
inline constexpr unsigned kVCenter = 0x4;
inline constexpr unsigned kBottom = 0x8;
inline constexpr unsigned kWordBreak = 0x10;
inline constexpr unsigned kSingleLine = 0x20;
inline constexpr unsigned kNoClip = 0x100;
inline constexpr unsigned kCalcRect = 0x400;
inline constexpr unsigned kNoPrefix = 0x800;
}  // namespace textformat

// Draws text in the surface's font and foreground colour, transparent, inside
// rect (clipped to it unless kNoClip). Unless kNoPrefix, "&x" draws x
// underlined and "&&" draws "&". CR, LF and CR LF break lines unless
// kSingleLine; kWordBreak also breaks between words that overflow the
// rectangle's width. kCenter/kRight align each line; kVCenter/kBottom place a
// single line vertically. kCalcRect draws nothing and sets rect's right and
// bottom to fit the text. Returns the text's height in pixels (with kVCenter
// or kBottom on a single line: from rect's top to the text's bottom). The
// drawing is recorded as a print of the text as shown.
int DrawTextOn(Surface& surface, std::u16string_view text, RectPx& rect, unsigned format);

// Inverts every other pixel of the rectangle's one-pixel outline (a dotted
// frame), so drawing it twice restores the picture.
void DrawFocusRectOn(Surface& surface, const RectPx& rect);

}  // namespace kelvo::gfx

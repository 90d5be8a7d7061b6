#pragma once
// Captions of the standard controls: the "&" access-key marker, line
// breaking within a width, and drawing lines with the access key underlined.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/font.h"
#include "platform/gfx/surface.h"

namespace kelvo::forms::stdcontrols {

struct Caption {
  std::u16string text;                          // as shown: "&&" is "&", a lone "&" is dropped
  std::size_t mnemonic = std::u16string::npos;  // position in text of the underlined character
  char16_t accessKey = 0;                       // upper case, 0 when none
};

// With useMnemonic false the text is shown as written and has no access key.
Caption ParseCaption(std::u16string_view raw, bool useMnemonic);

struct TextLine {
  std::u16string text;
  std::size_t start = 0;  // position of the line's first character in the whole text
};

// Lines at CR, LF or CR LF; with wrap, also between words so that each line
// fits widthPx (a word wider than that is broken between characters).
std::vector<TextLine> LayoutLines(const gfx::FontFace& face, std::u16string_view text, int widthPx, bool wrap);
int WidestLine(const gfx::FontFace& face, const std::vector<TextLine>& lines);

// Draws one line at pixel (x, y) in an OLE colour, underlining the character
// at `mnemonic` (a position in the whole text) when it falls in this line.
void DrawTextLine(gfx::Surface& surface, int x, int y, const TextLine& line, gfx::OleColor color,
                  std::size_t mnemonic);

}  // namespace kelvo::forms::stdcontrols

#pragma once
// Laying out text for DrawTextOn: access-key prefixes, line breaks and word wrap.

#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/font.h"

namespace kelvo::gfx {

// One line of laid-out text and which of its characters are underlined.
struct TextLine {
  std::u16string text;
  std::vector<bool> underlined;  // one flag per character of text
};

struct LayoutOptions {
  bool prefix = true;      // "&x" underlines x, "&&" is "&", a lone trailing "&" vanishes
  bool breakLines = true;  // CR, LF, CR LF end lines
  int wrapWidth = -1;      // > 0: also break between words wider than this (pixels)
};

// The text as shown on one line: prefixes processed, line breaks kept.
std::u16string ShownText(std::u16string_view text, bool prefix);

// The lines the text is drawn as; no lines when nothing is left to show.
std::vector<TextLine> LayOutText(std::u16string_view text, const FontFace& face, const LayoutOptions& options);

}  // namespace kelvo::gfx

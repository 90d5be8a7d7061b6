#pragma once
// Fonts. A FontDesc is what a font object holds; a FontFace is the rasteriser
// chosen for it at a resolution. Real fonts come from FreeType and fontconfig
// (the system's names "MS Sans Serif", "Arial", "Courier New" map to installed
// fonts); the built-in font is a fixed bitmap font compiled into the platform,
// the same on every machine, used for golden images and pixel tests.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/gfx/color.h"

namespace kelvo::gfx {

class Image;

struct FontDesc {
  std::u16string name = u"MS Sans Serif";
  double size = 8.25;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  friend bool operator==(const FontDesc&, const FontDesc&) = default;
};

// The name that always selects the built-in font.
inline constexpr std::u16string_view kBuiltinFontName = u"Kelvo Fixed";

enum class FontSource : std::uint8_t {
  System,   // fontconfig and FreeType, the built-in font only by its name or as a fallback
  Builtin,  // every font is drawn with the built-in font (deterministic output)
};
void SetFontSource(FontSource source);
FontSource CurrentFontSource();

class FontFace {
 public:
  virtual ~FontFace() = default;
  virtual int Ascent() const = 0;   // pixels above the baseline
  virtual int Descent() const = 0;  // pixels below the baseline
  int Height() const { return Ascent() + Descent(); }  // one line
  virtual int Advance(char16_t ch) const = 0;          // pixels, underline/bold included
  int Width(std::u16string_view text) const;           // sum of the advances
  // Draws one line of text with its top-left corner at (x, y), transparent
  // background, underline and strikethrough as the description asks.
  virtual void Draw(Image& target, int x, int y, std::u16string_view text, Rgb color) const = 0;
};

// The face for a description at a resolution of dpi dots per inch
// (1440 / twips per pixel). Faces are cached; never fails (falls back to the
// built-in font when no system font is found).
std::shared_ptr<const FontFace> ResolveFont(const FontDesc& desc, int dpi);

}  // namespace kelvo::gfx

#include "platform/gfx/builtin_face.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx/builtin_glyphs.h"
#include "platform/gfx/font_size.h"
#include "platform/gfx/image.h"

namespace kelvo::gfx {
namespace {

// The cell height the glyphs are designed for, in pixels (8.25 points at 96 dpi
// gives 11 pixels of font size, a 13-pixel line).
constexpr int kDesignPixelSize = 11;
constexpr int kMaxScale = 32;

// Characters without a glyph of their own: controls draw nothing, anything
// else shows as '?'.
const builtin::Glyph* GlyphOrFallback(char16_t ch) {
  if (ch < 0x20 || (ch >= 0x7F && ch < 0xA0)) return nullptr;
  const builtin::Glyph* glyph = builtin::FindGlyph(ch);
  return glyph != nullptr ? glyph : builtin::FindGlyph(u'?');
}

class BuiltinFace final : public FontFace {
 public:
  BuiltinFace(int scale, const FontDesc& desc)
      : scale_(scale), bold_(desc.bold), underline_(desc.underline), strike_(desc.strikethrough) {}

  int Ascent() const override { return builtin::kAscent * scale_; }
  int Descent() const override { return builtin::kDescent * scale_; }

  int Advance(char16_t ch) const override {
    const builtin::Glyph* glyph = GlyphOrFallback(ch);
    if (glyph == nullptr) return 0;
    return (glyph->width + 1) * scale_ + (bold_ ? 1 : 0);
  }

  void Draw(Image& target, int x, int y, std::u16string_view text, Rgb color) const override {
    if (y >= target.height() || y <= -Height()) return;  // no row of the line can show
    const std::uint32_t argb = ToArgb(color);
    int penX = x;
    for (char16_t ch : text) {
      if (penX >= target.width()) break;  // the rest is out of sight
      if (const builtin::Glyph* glyph = GlyphOrFallback(ch)) {
        DrawGlyph(target, *glyph, penX, y, argb);
        if (bold_) DrawGlyph(target, *glyph, penX + 1, y, argb);
      }
      penX += Advance(ch);
    }
    if (underline_) DrawBar(target, x, penX, y + builtin::kUnderlineRow * scale_, argb);
    if (strike_) DrawBar(target, x, penX, y + builtin::kStrikeRow * scale_, argb);
  }

 private:
  void FillBlock(Image& target, int x, int y, int w, int h, std::uint32_t argb) const {
    const int x0 = std::max(x, 0), x1 = std::min(x + w, target.width());
    const int y0 = std::max(y, 0), y1 = std::min(y + h, target.height());
    for (int py = y0; py < y1; ++py) {
      for (int px = x0; px < x1; ++px) target.Set(px, py, argb);
    }
  }

  void DrawGlyph(Image& target, const builtin::Glyph& glyph, int x, int y, std::uint32_t argb) const {
    if (x >= target.width() || y >= target.height() || x + glyph.width * scale_ <= 0 ||
        y + builtin::kCellHeight * scale_ <= 0) {
      return;
    }
    for (int row = 0; row < builtin::kCellHeight; ++row) {
      for (int col = 0; col < glyph.width; ++col) {
        if (glyph.Inked(col, row)) FillBlock(target, x + col * scale_, y + row * scale_, scale_, scale_, argb);
      }
    }
  }

  void DrawBar(Image& target, int fromX, int toX, int y, std::uint32_t argb) const {
    FillBlock(target, fromX, y, toX - fromX, scale_, argb);
  }

  int scale_;
  bool bold_, underline_, strike_;
};

int ScaleFor(const FontDesc& desc, int dpi) {
  const int pixels = PixelSizeFor(desc.size, dpi);
  const int scale = static_cast<int>(std::lround(static_cast<double>(pixels) / kDesignPixelSize));
  return std::clamp(scale, 1, kMaxScale);
}

}  // namespace

std::shared_ptr<const FontFace> MakeBuiltinFace(const FontDesc& desc, int dpi) {
  return std::make_shared<BuiltinFace>(ScaleFor(desc, dpi), desc);
}

}  // namespace kelvo::gfx

#include "platform/gfx/freetype_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <mutex>

#include "platform/gfx/image.h"

namespace kelvo::gfx {
namespace {

// One FreeType library for the process, shared by every face that uses it.
class Library {
 public:
  static std::shared_ptr<Library> Get() {
    static std::mutex mutex;
    static std::weak_ptr<Library> current;
    const std::lock_guard lock(mutex);
    auto lib = current.lock();
    if (!lib) {
      lib = std::make_shared<Library>();
      if (lib->handle() == nullptr) return nullptr;
      current = lib;
    }
    return lib;
  }
  Library() {
    if (FT_Init_FreeType(&handle_) != 0) handle_ = nullptr;
  }
  ~Library() {
    if (handle_ != nullptr) FT_Done_FreeType(handle_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  FT_Library handle() const { return handle_; }

 private:
  FT_Library handle_ = nullptr;
};

int Ceil26_6(FT_Pos v) { return static_cast<int>((v + 63) >> 6); }
int Round26_6(FT_Pos v) { return static_cast<int>((v + 32) >> 6); }

std::uint8_t Mix(std::uint32_t dst, std::uint8_t src, unsigned coverage) {
  return static_cast<std::uint8_t>((src * coverage + dst * (255 - coverage) + 127) / 255);
}

// Source-over of one colour at a coverage (0..255) onto a pixel.
std::uint32_t Blend(std::uint32_t dst, Rgb color, unsigned coverage) {
  const unsigned dstAlpha = dst >> 24;
  const unsigned alpha = coverage + (dstAlpha * (255 - coverage) + 127) / 255;
  return (static_cast<std::uint32_t>(alpha) << 24) |
         (static_cast<std::uint32_t>(Mix((dst >> 16) & 0xFF, color.r, coverage)) << 16) |
         (static_cast<std::uint32_t>(Mix((dst >> 8) & 0xFF, color.g, coverage)) << 8) |
         Mix(dst & 0xFF, color.b, coverage);
}

class FreeTypeFace final : public FontFace {
 public:
  FreeTypeFace(std::shared_ptr<Library> lib, FT_Face face, const FontFile& file, const FontDesc& desc)
      : lib_(std::move(lib)),
        face_(face),
        emboldenPx_(file.needsBold ? 1 : 0),
        underline_(desc.underline),
        strike_(desc.strikethrough) {
    if (file.needsItalic) {
      FT_Matrix shear{0x10000, 0x3800, 0, 0x10000};  // about 12 degrees
      FT_Set_Transform(face_, &shear, nullptr);
    }
    const FT_Size_Metrics& m = face_->size->metrics;
    ascent_ = std::max(1, Ceil26_6(m.ascender));
    descent_ = std::max(0, Ceil26_6(-m.descender));
    for (std::size_t ch = 0; ch < latin1Advances_.size(); ++ch) {
      latin1Advances_[ch] = MeasureAdvance(static_cast<char16_t>(ch));
    }
  }
  ~FreeTypeFace() override { FT_Done_Face(face_); }
  FreeTypeFace(const FreeTypeFace&) = delete;
  FreeTypeFace& operator=(const FreeTypeFace&) = delete;

  int Ascent() const override { return ascent_; }
  int Descent() const override { return descent_; }
  int Advance(char16_t ch) const override {
    return ch < latin1Advances_.size() ? latin1Advances_[ch] : MeasureAdvance(ch);
  }

  void Draw(Image& target, int x, int y, std::u16string_view text, Rgb color) const override {
    if (y >= target.height() || y <= -Height() - ascent_) return;  // no row of the line can show (slack for tall glyphs)
    int penX = x;
    for (char16_t ch : text) {
      if (penX >= target.width()) break;  // the rest is out of sight
      if (ch >= 0x20 && FT_Load_Char(face_, ch, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) == 0) {
        DrawBitmap(target, penX, y + ascent_, color);
        if (emboldenPx_ != 0) DrawBitmap(target, penX + emboldenPx_, y + ascent_, color);
      }
      penX += Advance(ch);
    }
    if (underline_) DrawBar(target, x, penX, y + ascent_ + UnderlineOffset(), color);
    if (strike_) DrawBar(target, x, penX, y + ascent_ - std::max(1, ascent_ / 3), color);
  }

 private:
  int MeasureAdvance(char16_t ch) const {
    if (ch < 0x20 || FT_Load_Char(face_, ch, FT_LOAD_DEFAULT) != 0) return 0;
    return Round26_6(face_->glyph->advance.x) + emboldenPx_;
  }

  int UnderlineOffset() const {
    const FT_Pos pos = FT_MulFix(face_->underline_position, face_->size->metrics.y_scale);
    return std::clamp(Round26_6(-pos), 1, std::max(1, descent_ - 1));
  }

  int LineThickness() const {
    const FT_Pos t = FT_MulFix(face_->underline_thickness, face_->size->metrics.y_scale);
    return std::max(1, Round26_6(t));
  }

  void DrawBitmap(Image& target, int penX, int baseline, Rgb color) const {
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bm = slot->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_GRAY) return;
    const int left = penX + slot->bitmap_left;
    const int top = baseline - slot->bitmap_top;
    for (unsigned row = 0; row < bm.rows; ++row) {
      const int py = top + static_cast<int>(row);
      if (py < 0 || py >= target.height()) continue;
      const unsigned char* line = bm.buffer + static_cast<std::ptrdiff_t>(row) * bm.pitch;
      for (unsigned col = 0; col < bm.width; ++col) {
        const int px = left + static_cast<int>(col);
        if (line[col] == 0 || px < 0 || px >= target.width()) continue;
        target.Set(px, py, Blend(target.At(px, py), color, line[col]));
      }
    }
  }

  void DrawBar(Image& target, int fromX, int toX, int y, Rgb color) const {
    const int thickness = LineThickness();
    for (int py = std::max(y, 0); py < std::min(y + thickness, target.height()); ++py) {
      for (int px = std::max(fromX, 0); px < std::min(toX, target.width()); ++px) target.SetRgb(px, py, color);
    }
  }

  std::shared_ptr<Library> lib_;
  FT_Face face_;
  int emboldenPx_;
  bool underline_, strike_;
  int ascent_ = 0, descent_ = 0;
  std::array<int, 256> latin1Advances_{};
};

}  // namespace

std::shared_ptr<const FontFace> MakeFreeTypeFace(const FontFile& file, const FontDesc& desc, int pixelSize) {
  auto lib = Library::Get();
  if (!lib) return nullptr;
  FT_Face face = nullptr;
  if (FT_New_Face(lib->handle(), file.path.c_str(), file.index, &face) != 0) return nullptr;
  if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) != 0 || face->size->metrics.ascender <= 0) {
    FT_Done_Face(face);
    return nullptr;
  }
  return std::make_shared<FreeTypeFace>(std::move(lib), face, file, desc);
}

}  // namespace kelvo::gfx

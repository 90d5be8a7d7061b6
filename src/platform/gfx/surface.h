#pragma once
// A retained drawing surface: the RGBA picture of one window, drawn in twips
// the way the container's drawing methods work. Coordinates in twips are
// converted to pixels with the surface's own twips-per-pixel factors (fixed at
// creation: 15 at 96 dpi, 12 at 120 dpi), rounding to the nearest pixel.
//
//  - Line covers its start point but not its end point.
//  - Box and FilledBox cover both corner points (a box from (0,0) to
//    (W-1px, H-1px) fills the whole surface).
//  - Drawing in NotXorPen mode sets each pixel to NOT(pen XOR screen).
//  - Print draws at (CurrentX, CurrentY) with a transparent background and
//    then moves to the start of the next line, as the container's Print does.
//  - Everything drawn is clipped to the surface.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/color.h"
#include "platform/gfx/font.h"
#include "platform/gfx/image.h"

namespace kelvo::gfx {

enum class DrawMode : std::uint8_t { CopyPen = 13, NotXorPen = 10 };

struct RectPx {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  friend bool operator==(const RectPx&, const RectPx&) = default;
};

// One text drawing, as the console's `prints` query reports it.
struct PrintRecord {
  std::u16string text;
  int x = 0, y = 0;    // pixel where the drawing started
  OleColor color = 0;  // the foreground colour as set, unresolved
};

class Surface {
 public:
  Surface(int widthPx, int heightPx, int twipsPerPixelX, int twipsPerPixelY);

  int widthPx() const { return image_.width(); }
  int heightPx() const { return image_.height(); }
  int twipsPerPixelX() const { return tppX_; }
  int twipsPerPixelY() const { return tppY_; }
  // The inner size in twips (the container's ScaleWidth / ScaleHeight).
  double ScaleWidth() const { return static_cast<double>(widthPx()) * tppX_; }
  double ScaleHeight() const { return static_cast<double>(heightPx()) * tppY_; }
  // Keeps the picture at the top left; new area shows the background colour.
  void Resize(int widthPx, int heightPx);

  OleColor BackColor() const { return backColor_; }
  void SetBackColor(OleColor c);  // also clears the surface, as the container does
  OleColor ForeColor() const { return foreColor_; }
  void SetForeColor(OleColor c) { foreColor_ = c; }
  const FontDesc& Font() const { return font_; }
  void SetFont(const FontDesc& font);
  DrawMode GetDrawMode() const { return drawMode_; }
  void SetDrawMode(DrawMode mode) { drawMode_ = mode; }
  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }
  void SetCurrentX(double x) { currentX_ = x; }
  void SetCurrentY(double y) { currentY_ = y; }

  // Drawing in twips.
  void Clear();  // background colour everywhere; CurrentX = CurrentY = 0
  void Line(double x1, double y1, double x2, double y2, OleColor color);
  void Box(double x1, double y1, double x2, double y2, OleColor color);
  void FilledBox(double x1, double y1, double x2, double y2, OleColor color);
  void SetPixel(double x, double y, OleColor color);
  void Print(std::u16string_view text);               // in ForeColor
  double TextWidth(std::u16string_view text) const;   // twips; the widest line
  double TextHeight(std::u16string_view text) const;  // twips; lines times line height
  void PaintPicture(const Image& picture, double x, double y, double width, double height);

  // Drawing in pixels, for the window-system calls (DrawTextA, DrawFocusRect).
  void FillRectPx(const RectPx& r, Rgb color);
  void SetPixelPx(int x, int y, Rgb color);                            // honours the draw mode
  void InvertPixelPx(int x, int y);                                    // XOR with white (focus rectangle)
  void DrawTextPx(int x, int y, std::u16string_view line, Rgb color);  // one line, transparent
  void DrawTextPx(int x, int y, std::u16string_view line, Rgb color, const RectPx& clip);  // only inside clip
  void RecordPrint(std::u16string text, int x, int y, OleColor color);
  const FontFace& Face() const;  // the current font at this surface's resolution

  // What has been drawn.
  const Image& image() const { return image_; }
  Rgb PixelAt(int x, int y) const { return image_.RgbAt(x, y); }
  // Text drawings since the last call, in order.
  std::vector<PrintRecord> TakePrints();
  // Grows by one on every change of the picture (backends repaint on change).
  std::uint64_t version() const { return version_; }

  int ToPixelX(double twips) const;  // nearest pixel
  int ToPixelY(double twips) const;

 private:
  void Plot(int x, int y, Rgb pen);
  void Touch() { ++version_; }

  Image image_;
  int tppX_;
  int tppY_;
  OleColor backColor_ = 0x8000000Fu;
  OleColor foreColor_ = 0x80000012u;
  FontDesc font_;
  mutable std::shared_ptr<const FontFace> face_;
  mutable FontSource faceSource_ = FontSource::Builtin;  // the source face_ was resolved from
  DrawMode drawMode_ = DrawMode::CopyPen;
  double currentX_ = 0;
  double currentY_ = 0;
  std::vector<PrintRecord> prints_;
  std::uint64_t version_ = 0;
};

}  // namespace kelvo::gfx

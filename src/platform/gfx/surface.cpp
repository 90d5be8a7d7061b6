#include "platform/gfx/surface.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/gfx/raster_line.h"
#include "platform/gfx/stretch.h"
#include "platform/gfx/text_lines.h"

namespace kelvo::gfx {
namespace {

// A surface is at most this many pixels on a side (8192² RGBA is 256 MB).
constexpr int kMaxSide = 8192;
// Pixel coordinates are clamped to ±this before conversion to int: far outside
// any surface, and small enough for the line stepping's arithmetic.
constexpr double kPixelLimit = 1e8;
// Print records kept when nobody takes them (a window repainting for hours).
constexpr std::size_t kMaxPrints = 4096;

int ClampSide(int v) { return std::clamp(v, 0, kMaxSide); }

// The nearest pixel, within the limits; halves go to the even pixel.
int NearestPixel(double px) {
  if (std::isnan(px)) return 0;
  return static_cast<int>(std::nearbyint(std::clamp(px, -kPixelLimit, kPixelLimit)));
}

int TwipsToPixel(double twips, int twipsPerPixel) { return NearestPixel(twips / twipsPerPixel); }

std::uint8_t NotXor(std::uint8_t pen, std::uint8_t screen) { return static_cast<std::uint8_t>(~(pen ^ screen)); }

struct Span {
  int from, to;  // inclusive
};

Span Ordered(int a, int b) { return a <= b ? Span{a, b} : Span{b, a}; }

Span Clip(Span s, int size) { return {std::max(s.from, 0), std::min(s.to, size - 1)}; }

// A half-open pixel range [from, to) clipped to 0..size-1.
Span ClipHalfOpen(int from, int to, int size) { return {std::max(from, 0), std::max(std::min(to, size), 0) - 1}; }

}  // namespace

Surface::Surface(int widthPx, int heightPx, int twipsPerPixelX, int twipsPerPixelY)
    : image_(ClampSide(widthPx), ClampSide(heightPx)),
      tppX_(std::max(twipsPerPixelX, 1)),
      tppY_(std::max(twipsPerPixelY, 1)) {
  std::fill(image_.pixels().begin(), image_.pixels().end(), ToArgb(ResolveColor(backColor_)));
}

void Surface::Resize(int widthPx, int heightPx) {
  Image resized(ClampSide(widthPx), ClampSide(heightPx), ToArgb(ResolveColor(backColor_)));
  const int w = std::min(resized.width(), image_.width());
  const int h = std::min(resized.height(), image_.height());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) resized.Set(x, y, image_.At(x, y));
  }
  image_ = std::move(resized);
  Touch();
}

void Surface::SetBackColor(OleColor c) {
  backColor_ = c;
  Clear();
}

void Surface::SetFont(const FontDesc& font) {
  font_ = font;
  face_.reset();
}

int Surface::ToPixelX(double twips) const { return TwipsToPixel(twips, tppX_); }
int Surface::ToPixelY(double twips) const { return TwipsToPixel(twips, tppY_); }

// Resolved again only when the font or the process's font source changed:
// every paint measures and prints, and resolving is a keyed lookup under a lock.
const FontFace& Surface::Face() const {
  const FontSource source = CurrentFontSource();
  if (!face_ || faceSource_ != source) {
    face_ = ResolveFont(font_, 1440 / tppY_);
    faceSource_ = source;
  }
  return *face_;
}

void Surface::Plot(int x, int y, Rgb pen) {
  if (!image_.Contains(x, y)) return;
  if (drawMode_ == DrawMode::NotXorPen) {
    const Rgb screen = image_.RgbAt(x, y);
    pen = {NotXor(pen.r, screen.r), NotXor(pen.g, screen.g), NotXor(pen.b, screen.b)};
  }
  image_.SetRgb(x, y, pen);
}

void Surface::Clear() {
  std::fill(image_.pixels().begin(), image_.pixels().end(), ToArgb(ResolveColor(backColor_)));
  currentX_ = 0;
  currentY_ = 0;
  Touch();
}

// Lines along an axis in copy mode are written as spans: the same pixels as
// the walk (the end point left out), without a call per pixel.
void Surface::Line(double x1, double y1, double x2, double y2, OleColor color) {
  const Rgb pen = ResolveColor(color);
  const int px1 = ToPixelX(x1), py1 = ToPixelY(y1), px2 = ToPixelX(x2), py2 = ToPixelY(y2);
  if (drawMode_ == DrawMode::CopyPen && py1 == py2 && px1 != px2) {
    if (py1 >= 0 && py1 < heightPx()) {
      const Span xs = Clip(px1 < px2 ? Span{px1, px2 - 1} : Span{px2 + 1, px1}, widthPx());
      const auto row = image_.pixels().begin() + static_cast<std::ptrdiff_t>(py1) * widthPx();
      if (xs.from <= xs.to) std::fill(row + xs.from, row + xs.to + 1, ToArgb(pen));
    }
  } else if (drawMode_ == DrawMode::CopyPen && px1 == px2 && py1 != py2) {
    if (px1 >= 0 && px1 < widthPx()) {
      const Span ys = Clip(py1 < py2 ? Span{py1, py2 - 1} : Span{py2 + 1, py1}, heightPx());
      for (int y = ys.from; y <= ys.to; ++y) image_.Set(px1, y, ToArgb(pen));
    }
  } else {
    ForEachLinePixel(px1, py1, px2, py2, widthPx(), heightPx(), [&](int x, int y) { Plot(x, y, pen); });
  }
  Touch();
}

void Surface::Box(double x1, double y1, double x2, double y2, OleColor color) {
  const Rgb pen = ResolveColor(color);
  const Span xs = Ordered(ToPixelX(x1), ToPixelX(x2));
  const Span ys = Ordered(ToPixelY(y1), ToPixelY(y2));
  // Every outline pixel exactly once, so that not-xor drawing twice restores.
  const Span row = Clip(xs, widthPx());
  for (int x = row.from; x <= row.to; ++x) {
    Plot(x, ys.from, pen);
    if (ys.to != ys.from) Plot(x, ys.to, pen);
  }
  const Span column = Clip({ys.from + 1, ys.to - 1}, heightPx());
  for (int y = column.from; y <= column.to; ++y) {
    Plot(xs.from, y, pen);
    if (xs.to != xs.from) Plot(xs.to, y, pen);
  }
  Touch();
}

void Surface::FilledBox(double x1, double y1, double x2, double y2, OleColor color) {
  const Rgb pen = ResolveColor(color);
  const Span xs = Clip(Ordered(ToPixelX(x1), ToPixelX(x2)), widthPx());
  const Span ys = Clip(Ordered(ToPixelY(y1), ToPixelY(y2)), heightPx());
  for (int y = ys.from; y <= ys.to; ++y) {
    if (drawMode_ == DrawMode::CopyPen && xs.from <= xs.to) {
      const auto row = image_.pixels().begin() + static_cast<std::ptrdiff_t>(y) * widthPx();
      std::fill(row + xs.from, row + xs.to + 1, ToArgb(pen));
      continue;
    }
    for (int x = xs.from; x <= xs.to; ++x) Plot(x, y, pen);
  }
  Touch();
}

void Surface::SetPixel(double x, double y, OleColor color) {
  Plot(ToPixelX(x), ToPixelY(y), ResolveColor(color));
  Touch();
}

void Surface::Print(std::u16string_view text) {
  const FontFace& face = Face();
  const int x = ToPixelX(currentX_);
  int y = ToPixelY(currentY_);
  RecordPrint(std::u16string(text), x, y, foreColor_);
  const Rgb color = ResolveColor(foreColor_);
  const std::size_t lines = ForEachLine(text, [&](std::u16string_view line, std::size_t i) {
    face.Draw(image_, i == 0 ? x : 0, y, line, color);
    y += face.Height();
  });
  currentX_ = 0;
  currentY_ += static_cast<double>(lines) * face.Height() * tppY_;
  Touch();
}

double Surface::TextWidth(std::u16string_view text) const {
  const FontFace& face = Face();
  int widest = 0;
  ForEachLine(text, [&](std::u16string_view line, std::size_t) { widest = std::max(widest, face.Width(line)); });
  return static_cast<double>(widest) * tppX_;
}

double Surface::TextHeight(std::u16string_view text) const {
  return static_cast<double>(ForEachLine(text, [](std::u16string_view, std::size_t) {})) * Face().Height() * tppY_;
}

void Surface::PaintPicture(const Image& picture, double x, double y, double width, double height) {
  StretchOnto(image_, picture, ToPixelX(x), ToPixelY(y), ToPixelX(width), ToPixelY(height));
  Touch();
}

void Surface::FillRectPx(const RectPx& r, Rgb color) {
  const std::uint32_t argb = ToArgb(color);
  const Span xs = ClipHalfOpen(r.left, r.right, widthPx());
  const Span ys = ClipHalfOpen(r.top, r.bottom, heightPx());
  for (int y = ys.from; y <= ys.to; ++y) {
    for (int x = xs.from; x <= xs.to; ++x) image_.Set(x, y, argb);
  }
  Touch();
}

void Surface::SetPixelPx(int x, int y, Rgb color) {
  Plot(x, y, color);
  Touch();
}

void Surface::InvertPixelPx(int x, int y) {
  if (!image_.Contains(x, y)) return;
  image_.Set(x, y, image_.At(x, y) ^ 0x00FFFFFFu);
  Touch();
}

void Surface::DrawTextPx(int x, int y, std::u16string_view line, Rgb color) {
  Face().Draw(image_, x, y, line, color);
  Touch();
}

void Surface::DrawTextPx(int x, int y, std::u16string_view line, Rgb color, const RectPx& clip) {
  const Span xs = ClipHalfOpen(clip.left, clip.right, widthPx());
  const Span ys = ClipHalfOpen(clip.top, clip.bottom, heightPx());
  if (xs.from > xs.to || ys.from > ys.to) return;
  // Drawn on a copy of the clip area, so that nothing outside it changes.
  Image area(xs.to - xs.from + 1, ys.to - ys.from + 1);
  for (int ay = 0; ay < area.height(); ++ay) {
    for (int ax = 0; ax < area.width(); ++ax) area.Set(ax, ay, image_.At(xs.from + ax, ys.from + ay));
  }
  Face().Draw(area, NearestPixel(static_cast<double>(x) - xs.from), NearestPixel(static_cast<double>(y) - ys.from),
              line, color);
  for (int ay = 0; ay < area.height(); ++ay) {
    for (int ax = 0; ax < area.width(); ++ax) image_.Set(xs.from + ax, ys.from + ay, area.At(ax, ay));
  }
  Touch();
}

void Surface::RecordPrint(std::u16string text, int x, int y, OleColor color) {
  if (prints_.size() >= kMaxPrints) prints_.erase(prints_.begin(), prints_.begin() + kMaxPrints / 2);
  prints_.push_back({std::move(text), x, y, color});
}

std::vector<PrintRecord> Surface::TakePrints() { return std::exchange(prints_, {}); }

}  // namespace kelvo::gfx

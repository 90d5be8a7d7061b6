#include "platform/gfx/draw_text.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/gfx/text_layout.h"

namespace kelvo::gfx {
namespace {

using namespace textformat;

// Positions are kept within ±this, far outside any surface.
constexpr std::int64_t kCoordinateLimit = 100'000'000;

int Clamped(std::int64_t v) { return static_cast<int>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit)); }

bool Has(unsigned format, unsigned flag) { return (format & flag) != 0; }

int LineLeft(const RectPx& r, int lineWidth, unsigned format) {
  const std::int64_t width = static_cast<std::int64_t>(r.right) - r.left;
  if (Has(format, kCenter)) return Clamped(r.left + (width - lineWidth) / 2);
  if (Has(format, kRight)) return Clamped(static_cast<std::int64_t>(r.right) - lineWidth);
  return r.left;
}

int TextTop(const RectPx& r, int lineHeight, unsigned format) {
  if (!Has(format, kSingleLine)) return r.top;
  const std::int64_t height = static_cast<std::int64_t>(r.bottom) - r.top;
  if (Has(format, kVCenter)) return Clamped(r.top + (height - lineHeight) / 2);
  if (Has(format, kBottom)) return Clamped(static_cast<std::int64_t>(r.bottom) - lineHeight);
  return r.top;
}

LayoutOptions OptionsFor(const RectPx& r, unsigned format) {
  LayoutOptions options;
  options.prefix = !Has(format, kNoPrefix);
  options.breakLines = !Has(format, kSingleLine);
  if (Has(format, kWordBreak) && options.breakLines) {
    options.wrapWidth = Clamped(std::max<std::int64_t>(1, static_cast<std::int64_t>(r.right) - r.left));
  }
  return options;
}

RectPx Intersect(const RectPx& a, const RectPx& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// The access-key marks under the underlined characters of a line.
void DrawMarks(Surface& surface, const TextLine& line, int x, int y, Rgb color, const std::optional<RectPx>& clip) {
  const FontFace& face = surface.Face();
  const int thickness = std::max(1, face.Height() / 13);
  const int markY = y + face.Ascent() + thickness;
  for (std::size_t i = 0; i < line.text.size(); ++i) {
    if (!line.underlined[i]) continue;
    const int markX = Clamped(static_cast<std::int64_t>(x) + face.Width(std::u16string_view(line.text).substr(0, i)));
    const RectPx mark{markX, markY, markX + std::max(1, face.Advance(line.text[i]) - 1), markY + thickness};
    surface.FillRectPx(clip ? Intersect(mark, *clip) : mark, color);
  }
}

}  // namespace

int DrawTextOn(Surface& surface, std::u16string_view text, RectPx& rect, unsigned format) {
  const FontFace& face = surface.Face();
  const LayoutOptions options = OptionsFor(rect, format);
  const std::vector<TextLine> lines = LayOutText(text, face, options);
  const int lineHeight = face.Height();
  const int total = Clamped(static_cast<std::int64_t>(lines.size()) * lineHeight);
  if (Has(format, kCalcRect)) {
    int widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, face.Width(line.text));
    rect.right = Clamped(static_cast<std::int64_t>(rect.left) + widest);
    rect.bottom = Clamped(static_cast<std::int64_t>(rect.top) + total);
    return total;
  }
  if (lines.empty()) return 0;
  const int top = TextTop(rect, lineHeight, format);
  const Rgb color = ResolveColor(surface.ForeColor());
  const std::optional<RectPx> clip = Has(format, kNoClip) ? std::nullopt : std::optional<RectPx>(rect);
  surface.RecordPrint(ShownText(text, options.prefix), LineLeft(rect, face.Width(lines.front().text), format), top,
                      surface.ForeColor());
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const TextLine& line = lines[k];
    const int x = LineLeft(rect, face.Width(line.text), format);
    const int y = Clamped(top + static_cast<std::int64_t>(k) * lineHeight);
    if (clip) {
      surface.DrawTextPx(x, y, line.text, color, *clip);
    } else {
      surface.DrawTextPx(x, y, line.text, color);
    }
    DrawMarks(surface, line, x, y, color, clip);
  }
  const bool placed = Has(format, kSingleLine) && (Has(format, kVCenter) || Has(format, kBottom));
  return placed ? Clamped(static_cast<std::int64_t>(top) - rect.top + total) : total;
}

void DrawFocusRectOn(Surface& surface, const RectPx& rect) {
  if (rect.left >= rect.right || rect.top >= rect.bottom) return;
  const int left = std::max(rect.left, 0);
  const int right = std::min(rect.right, surface.widthPx());  // exclusive
  const int top = std::max(rect.top, 0);
  const int bottom = std::min(rect.bottom, surface.heightPx());
  const auto dot = [&](int x, int y) {
    if (((x + y) & 1) == 0) surface.InvertPixelPx(x, y);
  };
  // Each outline pixel once: rows first, then the columns between them.
  for (int x = left; x < right; ++x) {
    if (rect.top >= 0 && rect.top < surface.heightPx()) dot(x, rect.top);
    if (rect.bottom - 1 != rect.top && rect.bottom - 1 >= 0 && rect.bottom - 1 < surface.heightPx()) dot(x, rect.bottom - 1);
  }
  for (int y = std::max(top, rect.top + 1); y < std::min(bottom, rect.bottom - 1); ++y) {
    if (rect.left >= 0 && rect.left < surface.widthPx()) dot(rect.left, y);
    if (rect.right - 1 != rect.left && rect.right - 1 >= 0 && rect.right - 1 < surface.widthPx()) dot(rect.right - 1, y);
  }
}

}  // namespace kelvo::gfx

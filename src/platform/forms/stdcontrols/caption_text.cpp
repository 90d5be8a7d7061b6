// Caption parsing, line breaking and drawing.

#include "platform/forms/stdcontrols/caption_text.h"

#include <algorithm>

#include "platform/base/text.h"
#include "platform/gfx/color.h"

namespace kelvo::forms::stdcontrols {
namespace {

std::vector<std::u16string_view> Paragraphs(std::u16string_view text) {
  std::vector<std::u16string_view> out;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    out.push_back(text.substr(start, i - start));
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  out.push_back(text.substr(start));
  return out;
}

// Breaks one paragraph (starting at `offset` in the whole text) into lines of at most widthPx.
void WrapParagraph(const gfx::FontFace& face, std::u16string_view para, std::size_t offset, int widthPx,
                   std::vector<TextLine>& out) {
  std::size_t lineStart = 0;
  while (lineStart < para.size() || lineStart == 0) {
    std::size_t end = lineStart;
    std::size_t lastBreak = std::u16string_view::npos;
    while (end < para.size() && face.Width(para.substr(lineStart, end - lineStart + 1)) <= widthPx) {
      if (para[end] == u' ') lastBreak = end;
      ++end;
    }
    if (end < para.size()) {
      if (lastBreak != std::u16string_view::npos && lastBreak > lineStart) {
        end = lastBreak;
      } else if (end == lineStart) {
        ++end;  // not even one character fits: take it anyway
      }
    }
    out.push_back({std::u16string(para.substr(lineStart, end - lineStart)), offset + lineStart});
    lineStart = end;
    while (lineStart < para.size() && para[lineStart] == u' ') ++lineStart;
    if (end >= para.size()) break;
  }
}

}  // namespace

Caption ParseCaption(std::u16string_view raw, bool useMnemonic) {
  Caption c;
  if (!useMnemonic) {
    c.text = raw;
    return c;
  }
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != u'&') {
      c.text += raw[i];
      continue;
    }
    if (i + 1 >= raw.size()) break;
    ++i;
    if (raw[i] != u'&' && c.accessKey == 0) {
      c.mnemonic = c.text.size();
      c.accessKey = text::UpperAnsi(raw[i]);
    }
    c.text += raw[i];
  }
  return c;
}

std::vector<TextLine> LayoutLines(const gfx::FontFace& face, std::u16string_view text, int widthPx, bool wrap) {
  std::vector<TextLine> out;
  for (const std::u16string_view para : Paragraphs(text)) {
    const auto at = static_cast<std::size_t>(para.data() - text.data());
    if (wrap && widthPx > 0) {
      WrapParagraph(face, para, at, widthPx, out);
    } else {
      out.push_back({std::u16string(para), at});
    }
  }
  return out;
}

int WidestLine(const gfx::FontFace& face, const std::vector<TextLine>& lines) {
  int widest = 0;
  for (const TextLine& l : lines) widest = std::max(widest, face.Width(l.text));
  return widest;
}

void DrawTextLine(gfx::Surface& surface, int x, int y, const TextLine& line, gfx::OleColor color,
                  std::size_t mnemonic) {
  const gfx::FontFace& face = surface.Face();
  const gfx::Rgb rgb = gfx::ResolveColor(color);
  surface.DrawTextPx(x, y, line.text, rgb);
  if (mnemonic < line.start || mnemonic >= line.start + line.text.size()) return;
  const std::size_t at = mnemonic - line.start;
  const int left = x + face.Width(std::u16string_view(line.text).substr(0, at));
  const int underline = y + face.Ascent() + 1;
  surface.FillRectPx({left, underline, left + face.Advance(line.text[at]), underline + 1}, rgb);
}

}  // namespace kelvo::forms::stdcontrols

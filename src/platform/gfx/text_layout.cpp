#include "platform/gfx/text_layout.h"

namespace kelvo::gfx {
namespace {

TextLine ProcessPrefixes(std::u16string_view text, bool prefix) {
  TextLine out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t ch = text[i];
    bool underlined = false;
    if (prefix && ch == u'&') {
      if (i + 1 == text.size()) break;
      ch = text[++i];
      underlined = ch != u'&';
    }
    out.text += ch;
    out.underlined.push_back(underlined);
  }
  return out;
}

TextLine Slice(const TextLine& line, std::size_t from, std::size_t to) {
  return {line.text.substr(from, to - from),
          std::vector<bool>(line.underlined.begin() + static_cast<std::ptrdiff_t>(from),
                            line.underlined.begin() + static_cast<std::ptrdiff_t>(to))};
}

void Append(TextLine& line, const TextLine& more) {
  line.text += more.text;
  line.underlined.insert(line.underlined.end(), more.underlined.begin(), more.underlined.end());
}

bool IsBlank(char16_t ch) { return ch == u' '; }

void TrimTrailingBlanks(TextLine& line) {
  while (!line.text.empty() && IsBlank(line.text.back())) {
    line.text.pop_back();
    line.underlined.pop_back();
  }
}

std::vector<TextLine> SplitAtBreaks(const TextLine& all) {
  std::vector<TextLine> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < all.text.size(); ++i) {
    const char16_t ch = all.text[i];
    if (ch != u'\r' && ch != u'\n') continue;
    lines.push_back(Slice(all, start, i));
    if (ch == u'\r' && i + 1 < all.text.size() && all.text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  lines.push_back(Slice(all, start, all.text.size()));
  return lines;
}

// Greedy wrapping: words go on the current line while they fit; a word wider
// than the whole width gets a line of its own; blanks at a break vanish.
void WrapInto(std::vector<TextLine>& out, const TextLine& line, const FontFace& face, int width) {
  TextLine current;
  long long currentWidth = 0;
  std::size_t i = 0;
  while (i < line.text.size()) {
    const bool blank = IsBlank(line.text[i]);
    std::size_t j = i;
    while (j < line.text.size() && IsBlank(line.text[j]) == blank) ++j;
    const TextLine token = Slice(line, i, j);
    const int tokenWidth = face.Width(token.text);
    if (current.text.empty() || currentWidth + tokenWidth <= width) {
      Append(current, token);
      currentWidth += tokenWidth;
    } else if (blank) {
      out.push_back(std::move(current));
      current = {};
      currentWidth = 0;
    } else {
      TrimTrailingBlanks(current);
      out.push_back(std::move(current));
      current = token;
      currentWidth = tokenWidth;
    }
    i = j;
  }
  out.push_back(std::move(current));
}

}  // namespace

std::u16string ShownText(std::u16string_view text, bool prefix) { return ProcessPrefixes(text, prefix).text; }

std::vector<TextLine> LayOutText(std::u16string_view text, const FontFace& face, const LayoutOptions& options) {
  const TextLine all = ProcessPrefixes(text, options.prefix);
  if (all.text.empty()) return {};
  std::vector<TextLine> lines = options.breakLines ? SplitAtBreaks(all) : std::vector<TextLine>{all};
  if (options.wrapWidth <= 0) return lines;
  std::vector<TextLine> wrapped;
  for (const TextLine& line : lines) WrapInto(wrapped, line, face, options.wrapWidth);
  return wrapped;
}

}  // namespace kelvo::gfx

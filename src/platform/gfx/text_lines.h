#pragma once
// Walking text line by line: CR LF, CR and LF each end a line.

#include <cstddef>
#include <string_view>

namespace kelvo::gfx {

// Calls visit(line, index) for each line of a text, without copying it, and
// returns the number of lines; "" is one empty line and a trailing break adds
// an empty last line.
template <class Visit>
std::size_t ForEachLine(std::u16string_view text, Visit visit) {
  std::size_t count = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    visit(text.substr(start, i - start), count++);
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  visit(text.substr(start), count++);
  return count;
}

}  // namespace kelvo::gfx

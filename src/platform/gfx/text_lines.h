#pragma once
// Splitting text at line breaks: CR LF, CR and LF each end a line.

#include <string_view>
#include <vector>

namespace kelvo::gfx {

// The lines of a text; "" is one empty line and a trailing break adds an empty last line.
std::vector<std::u16string_view> SplitLines(std::u16string_view text);

}  // namespace kelvo::gfx

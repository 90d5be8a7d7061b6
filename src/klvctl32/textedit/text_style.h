#pragma once
// Case and padding styles of the text, and the picture shown at design time.

#include <string>
#include <string_view>

#include "klvctl32/textedit/textedit_state.h"

namespace kelvo::klvctl32 {

// Upper-cases, lower-cases or left-pads StoredText by TextStyle (padding also
// a blank text, which fills the whole field).
void ApplyTextStyle(TextEditState& s);

// s trimmed, right-aligned in width characters with the first character of
// fill. An empty fill is set to a space: callers pass the FillChar field, which
// keeps the space from then on. A width of 0 or below gives "".
std::u16string PadLeftFill(std::u16string_view s, int width, std::u16string& fill);

// What the control prints while its container is in design mode.
std::u16string DesignTemplate(const TextEditState& s);

}  // namespace kelvo::klvctl32

#pragma once
// The test of a typed character against the mask placeholder at its position
// (the model's IsValidChar without the beep).

#include <string>

#include "klvctl32/textedit/textedit_state.h"

namespace kelvo::klvctl32 {

enum class CharVerdict {
  kAccepted,
  kRefused,          // refused with a beep
  kRefusedSilently,  // a literal position
};

// Tests the first character of ch against the placeholder at 1-based position
// (a position past the mask accepts anything but a refused space). May rewrite
// ch: the whole string's case for A, a, C, c, and "." or "," into "," for #.
// A position below 1 is an invalid procedure call (com::Error 5).
CharVerdict CheckChar(const TextEditState& s, std::u16string& ch, int position);

}  // namespace kelvo::klvctl32

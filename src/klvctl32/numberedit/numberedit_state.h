#pragma once
// The number edit's editing state: the canonical number text, its format and
// limits, and the whole-number selection. Before InitProperties every persisted
// field holds false, 0 or an empty string, which is what loading falls back on for
// a missing key; InitProperties gives a new instance its own values.

#include <cstdint>
#include <string>

#include "klvctl32/editfield/edit_menu.h"

namespace kelvo::klvctl32 {

// The separator pair (16-bit; other values keep the current separators).
enum eNumberFormat : std::int16_t {
  BrazilFormat = 0,
  USFormat = 1,
};

struct NumberEditState {
  // Optional "-", integer digits, optional DecSepChar and decimals; never a
  // thousand separator. Assigned texts may break this.
  std::u16string Text;
  std::int16_t NumberFormat = BrazilFormat;
  std::u16string ThSepChar = u".";
  std::u16string DecSepChar = u",";
  std::int16_t IntMaxLength = 0;  // a negative value counts as 0
  std::int16_t DecMaxLength = 0;  // a negative value counts as 0
  bool AllowNegative = false;
  bool ThSeparator = false;
  bool Locked = false;
  bool AutoSelect = false;

  std::u16string SavedText;  // Text when the control last got the focus
  bool AllSelected = false;  // the whole number is selected
  bool Pasting = false;      // a paste is feeding characters through KeyPress

  EditMenu Menu = NewEditMenu();  // `MenuEditar`
};

}  // namespace kelvo::klvctl32

#pragma once
// The masked text edit's state shared by its mask model and its keyboard
// editing: the text, the mask and the caret and selection. Field names are the
// control's own; the values are those of a new instance.

#include <cstdint>
#include <string>

#include "klvctl32/editfield/edit_menu.h"

namespace kelvo::klvctl32 {

// Case or padding style of the text (32-bit; any other value means no style).
enum kcTextStyle : std::int32_t {
  kcNormal = 0,
  kcUpperCase = 1,
  kcLowerCase = 2,
  kcPadLeft = 3,
};

// The context menu `SubItemMenu`: the edits' shared six items.
using SubItemMenuArray = EditMenu;

struct TextEditState {
  // The text and its mask.
  std::u16string StoredText;     // formatted against Mask, literals included
  std::u16string Mask;           // empty: no mask
  std::int16_t MaxLength = 30;   // may be below the mask length, or even 0 or negative
  bool IncludeLiterals = true;   // Text returns the literals too
  kcTextStyle TextStyle = kcNormal;
  std::u16string FillChar;       // 0 or 1 character, used by kcPadLeft
  std::u16string DefaultValue;   // put in when the control is left empty
  bool AllowSpaceChar = true;

  // Caret and selection, in characters of the formatted text.
  std::int16_t CursorPos = -1;   // characters before the caret; -1 until the first focus
  std::int16_t SelStart = 0;     // the anchor
  std::int16_t SelLength = 0;    // caret minus anchor; 0: no selection
  bool AnchorSet = false;
  bool AllSelected = false;      // the selection came from a select-all
  bool Pasting = false;          // a paste is inserting character by character
  bool Locked = false;
  bool AutoSelect = true;

  SubItemMenuArray SubItemMenu = NewEditMenu();
};

}  // namespace kelvo::klvctl32

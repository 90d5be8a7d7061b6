#pragma once
// The input mask: which characters are placeholders, how StoredText lines up
// with the mask, and the caret arithmetic between the formatted text (with
// literals) and the raw text (without them). Positions are 1-based; positions
// past the end of the mask count as the placeholder "X".

#include <string>
#include <string_view>

#include "klvctl32/textedit/textedit_state.h"

namespace kelvo::klvctl32 {

// The placeholders: "#" digit or decimal comma, "9" digit or space, "X" any
// character, "A"/"a" letter made upper/lower case, "C"/"c" any character made
// upper/lower case. Every other mask character is a literal.
inline constexpr std::u16string_view kMaskChars = u"#9XAaCc";

bool IsMaskChar(char16_t ch);

// Number of literal characters in the mask.
int LiteralCount(std::u16string_view mask);
// Literals among mask positions from..to; positions below 1 are ignored.
int LiteralsInRange(std::u16string_view mask, int from, int to);
// raw(k): the caret position k of the formatted text as a position in the raw
// text, k minus the literals among mask positions 1..k.
int RawPosition(std::u16string_view mask, int k);

// StoredText without the literal positions (TextWithoutMask).
std::u16string StripLiterals(const TextEditState& s);
// The first placeholder position of the mask padded with "X" to the text's
// length, or one past the padded mask when there is none.
int FirstEditablePos(const TextEditState& s);
// Whether position pos holds a placeholder of the mask padded to the text.
bool IsEditablePos(const TextEditState& s, int pos);
// Lays StoredText out against the mask and cuts it to MaxLength; does nothing
// without a mask.
void FormatText(TextEditState& s);
// The same for StoredText known to be raw (an edit has just built it): each
// character goes to the next placeholder, even one equal to a literal, which
// FormatText would take for that literal and drop.
void LayOutRawText(TextEditState& s);
// The number of mask literals when the assigned text is longer than MaxLength
// (it is then taken as raw characters), else 0.
int OverflowLiteralCount(const TextEditState& s);

}  // namespace kelvo::klvctl32

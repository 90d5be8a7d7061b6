#pragma once
// The number edit's format model: the canonical Text, its completion, its
// numeric value and the grouped string that is drawn. Pure functions of the
// state, free of any window or drawing.

#include <string>
#include <string_view>

#include "klvctl32/numberedit/numberedit_state.h"

namespace kelvo::klvctl32 {

// The limits as the editing uses them: a negative setting counts as 0.
int IntDigits(const NumberEditState& s);
int DecPlaces(const NumberEditState& s);

// "0", or "0", DecSepChar and DecMaxLength zeros.
std::u16string ZeroText(const NumberEditState& s);

// Sets the separators for NumberFormat 0 or 1; other values keep them.
void ApplyNumberFormat(NumberEditState& s);

// The numeric prefix of text with DecSepChar read as the point: blanks are
// ignored, reading stops at the first other character, and an empty,
// non-numeric or overflowing prefix gives 0.
double ParseNumberText(const NumberEditState& s, std::u16string_view text);
// The same with point read as the decimal point; without point in the text,
// "." is.
double ParseNumberPrefix(std::u16string_view text, std::u16string_view point);

// Takes a string with "." as point (cut to DecMaxLength decimals, never
// rounded), completes it, and returns the text it leaves in Text.
std::u16string AssignNumberText(NumberEditState& s, std::u16string_view text);

// The completed Text: decimals padded to DecMaxLength, a bare separator or
// sign made "0", and any zero value made ZeroText (which also rewrites Text).
std::u16string NormalizeNumberText(NumberEditState& s);

// Inserts ThSepChar before every third character from the right; a leading
// "-" stays in front.
std::u16string GroupThousands(const NumberEditState& s, std::u16string_view digits);

// The string to draw for text (the current Text), completed first when
// normalize is set.
std::u16string FormatNumberForDisplay(NumberEditState& s, std::u16string_view text, bool normalize);

// A number in the Value setter's notation: "." as point, no leading "0" before
// it, no trailing zeros, 15 significant digits, and plain digits at any
// magnitude (never an exponent).
std::u16string ValueNotation(double value);

}  // namespace kelvo::klvctl32

#pragma once
// The glyphs of the built-in bitmap font at scale 1. A glyph cell is 13 rows
// high: rows 0..9 above the baseline (accents of capitals in rows 0..1, capitals
// from row 3, lower case from row 5), rows 10..12 below it.

#include <array>
#include <cstdint>

namespace kelvo::gfx::builtin {

inline constexpr int kCellHeight = 13;
inline constexpr int kAscent = 10;
inline constexpr int kDescent = 3;
inline constexpr int kUnderlineRow = 11;
inline constexpr int kStrikeRow = 7;

struct Glyph {
  int width = 0;                                // ink columns; the advance is width + 1
  std::array<std::uint16_t, kCellHeight> rows{};  // bit c set: column c inked
  bool Inked(int col, int row) const { return ((rows[static_cast<std::size_t>(row)] >> col) & 1u) != 0; }
};

// The glyph of a character, or nullptr when the font has none.
const Glyph* FindGlyph(char16_t ch);

}  // namespace kelvo::gfx::builtin

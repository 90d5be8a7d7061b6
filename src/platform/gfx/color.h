#pragma once
// Colours. An OLE colour is 32 bits: 0x80000000 + n names system colour n of
// the fixed table in color.cpp; any other value is 0x00BBGGRR. Drawing resolves
// OLE colours to RGB once, through ResolveColor.

#include <cstdint>

namespace kelvo::gfx {

using OleColor = std::uint32_t;

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr OleColor kSystemColorBase = 0x80000000u;
inline constexpr int kSystemColorCount = 31;

bool IsSystemColor(OleColor c);
// The RGB of system colour index (0..30); black for an index outside the table.
Rgb SystemColor(int index);
// An OLE colour to RGB: system colours through the table, others from 0x00BBGGRR.
Rgb ResolveColor(OleColor c);
// RGB to the 0x00BBGGRR form.
constexpr OleColor ToOleColor(Rgb c) {
  return static_cast<OleColor>(c.r) | (static_cast<OleColor>(c.g) << 8) | (static_cast<OleColor>(c.b) << 16);
}

}  // namespace kelvo::gfx

#pragma once
// 16-bit signed twips. The controls compute their geometry in 16-bit integers
// as the container's drawing model does; a value beyond -32768..32767 (a very
// large control, or a border width whose product with the screen factor leaves
// the range) is clamped to the nearest end instead of overflowing, so every
// operation here saturates.

#include <cstdint>

namespace kelvo::klvctl32 {

using Twips16 = std::int16_t;

Twips16 ClampTwips(std::int64_t value);
// Nearest integer, halves to even, then clamped; NaN gives 0.
Twips16 RoundTwips(double value);
Twips16 AddTwips(Twips16 a, Twips16 b);
Twips16 SubTwips(Twips16 a, Twips16 b);
Twips16 MulTwips(Twips16 a, Twips16 b);

}  // namespace kelvo::klvctl32

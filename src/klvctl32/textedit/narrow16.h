#pragma once
// 16-bit fields computed in int. Values out of the 16-bit range saturate
// instead of wrapping, so an over-long text never turns a caret position
// negative.

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kelvo::klvctl32 {

inline std::int16_t Narrow16(long long value) {
  constexpr long long lo = std::numeric_limits<std::int16_t>::min();
  constexpr long long hi = std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(std::clamp(value, lo, hi));
}

}  // namespace kelvo::klvctl32

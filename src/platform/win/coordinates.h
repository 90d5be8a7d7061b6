#pragma once
// Limits on window and pointer coordinates. Positions live in the 16-bit
// coordinate space the operating system used, and a window is at most
// kMaxWindowSide pixels wide or high, so nested origins and client
// coordinates never overflow and a surface never becomes absurdly large.

#include <algorithm>
#include <cstdint>

#include "platform/win/types.h"

namespace kelvo::win {

inline constexpr std::int32_t kMinCoordinate = -32768;
inline constexpr std::int32_t kMaxCoordinate = 32767;
inline constexpr std::int32_t kMaxWindowSide = 16384;

inline POINT ClampPoint(POINT p) {
  return {std::clamp(p.x, kMinCoordinate, kMaxCoordinate), std::clamp(p.y, kMinCoordinate, kMaxCoordinate)};
}

// The rectangle with its corner in range and its size between 0 and the limit.
inline RECT ClampRect(const RECT& r) {
  const std::int64_t width = static_cast<std::int64_t>(r.right) - r.left;
  const std::int64_t height = static_cast<std::int64_t>(r.bottom) - r.top;
  const POINT corner = ClampPoint({r.left, r.top});
  const auto w = static_cast<std::int32_t>(std::clamp<std::int64_t>(width, 0, kMaxWindowSide));
  const auto h = static_cast<std::int32_t>(std::clamp<std::int64_t>(height, 0, kMaxWindowSide));
  return {corner.x, corner.y, corner.x + w, corner.y + h};
}

}  // namespace kelvo::win

#pragma once
// Handles and geometry of the window system, with the operating system's names.

#include <cstdint>

namespace kelvo::win {

using HWND = std::uint32_t;  // 0 is no window
using HDC = std::uint32_t;   // a window's device context; 0 is none
using BOOL = std::int32_t;
using UINT = std::uint32_t;

struct POINT {
  std::int32_t x = 0, y = 0;
  friend bool operator==(const POINT&, const POINT&) = default;
};

struct RECT {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  bool Contains(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  friend bool operator==(const RECT&, const RECT&) = default;
};

}  // namespace kelvo::win

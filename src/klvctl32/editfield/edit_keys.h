#pragma once
// The key codes and Shift states the edits' KeyDown handlers test: virtual-key
// codes as the container delivers them, and the Shift argument's bits
// (1 Shift, 2 Ctrl).

#include <cstdint>

namespace kelvo::klvctl32 {

namespace key {
inline constexpr std::int16_t kBack = 8;
inline constexpr std::int16_t kEnd = 35;
inline constexpr std::int16_t kHome = 36;
inline constexpr std::int16_t kLeft = 37;
inline constexpr std::int16_t kUp = 38;
inline constexpr std::int16_t kRight = 39;
inline constexpr std::int16_t kDown = 40;
inline constexpr std::int16_t kInsert = 45;
inline constexpr std::int16_t kDelete = 46;
}  // namespace key

namespace shift_state {
inline constexpr std::int16_t kNone = 0;
inline constexpr std::int16_t kShift = 1;
inline constexpr std::int16_t kCtrl = 2;
}  // namespace shift_state

}  // namespace kelvo::klvctl32

#pragma once
// Resource ids of the toolbox bitmaps, one per control class (registered as
// "<server path>, <id>" under ToolboxBitmap32).

#include <cstdint>

namespace kelvo::klvctl32::resource {

inline constexpr std::uint16_t kNumberEditBitmap = 101;
inline constexpr std::uint16_t kTextEditBitmap = 102;
inline constexpr std::uint16_t kActiveCommandBitmap = 103;
inline constexpr std::uint16_t kTBButtonBitmap = 104;
inline constexpr std::uint16_t kTBBarBitmap = 105;
inline constexpr std::uint16_t kTBSeparatorBitmap = 106;
inline constexpr std::uint16_t kPanel3DBitmap = 107;
inline constexpr std::uint16_t kLine3DBitmap = 108;
inline constexpr std::uint16_t kCopyFileBitmap = 109;
inline constexpr std::uint16_t kEnginerBitmap = 110;

}  // namespace kelvo::klvctl32::resource

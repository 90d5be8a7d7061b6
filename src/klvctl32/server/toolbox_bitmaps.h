#pragma once
// The toolbox pictures of the control classes: 16 x 15 pixels each, drawn in
// code, found by the resource id a class publishes (CoClassInfo::toolboxBitmap)
// and registers under ToolboxBitmap32.

#include <cstdint>

#include "platform/gfx/image.h"

namespace kelvo::klvctl32 {

inline constexpr int kToolboxBitmapWidth = 16;
inline constexpr int kToolboxBitmapHeight = 15;

// The picture of that resource id; an empty image when there is none.
gfx::Image ToolboxBitmap(std::uint16_t resourceId);

}  // namespace kelvo::klvctl32

#pragma once
// Bitmap resources of loaded libraries: a library publishes its pictures by
// resource id while it is loaded; the container finds them by the library's
// file and the id it registered ("<path>, <id>" under ToolboxBitmap32).

#include <cstdint>
#include <filesystem>

#include "platform/gfx/image.h"

namespace kelvo::gfx {

using BitmapSource = Image (*)(std::uint16_t resourceId);

// The library at module serves its bitmaps from source until it withdraws them.
void PublishBitmapResources(const std::filesystem::path& module, BitmapSource source);
void WithdrawBitmapResources(const std::filesystem::path& module);

// The bitmap of that id from the library at module, which must be loaded; an
// empty image when it has none.
Image FindBitmapResource(const std::filesystem::path& module, std::uint16_t resourceId);

}  // namespace kelvo::gfx

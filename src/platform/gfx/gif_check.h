#pragma once
// Checks that a GIF file holds a whole first image before it is decoded: the
// decoder would otherwise show a cut-off image's missing part as empty.

#include <cstdint>
#include <span>

namespace kelvo::gfx {

// Walks the blocks up to the end of the first image's data; throws
// PictureError when the data ends early or there is no image.
void CheckGif(std::span<const std::uint8_t> bytes);

}  // namespace kelvo::gfx

#pragma once
// Checks a BMP file's header and length before it is decoded: the decoder
// would otherwise read a short file's missing rows as black.

#include <cstdint>
#include <span>

namespace kelvo::gfx {

// Throws PictureError when the header is unusable, the size too large, or
// the pixel rows are not all there.
void CheckBmp(std::span<const std::uint8_t> bytes);

}  // namespace kelvo::gfx

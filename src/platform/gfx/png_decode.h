#pragma once
// Decoding PNG data with libpng straight into the picture's own pixels, so that
// a large picture costs its pixels and little more while it is decoded.

#include <cstdint>
#include <span>

#include "platform/gfx/image.h"

namespace kelvo::gfx {

// PictureError when the data cannot be decoded or the picture is too large.
Image DecodePng(std::span<const std::uint8_t> bytes);

}  // namespace kelvo::gfx

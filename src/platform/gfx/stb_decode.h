#pragma once
// Decoding BMP, GIF (first frame), JPEG and PNG data with stb_image.

#include <cstdint>
#include <span>

#include "platform/gfx/image.h"
#include "platform/gfx/picture_formats.h"

namespace kelvo::gfx {

// Decodes data already known to be of this format; PictureError when it
// cannot be decoded or is too large.
Image DecodeWithStb(std::span<const std::uint8_t> bytes, PictureFormat format);

}  // namespace kelvo::gfx

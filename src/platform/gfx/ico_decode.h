#pragma once
// Decoding ICO (and CUR) files: the largest image of the directory, from its
// PNG payload or its device-independent bitmap with the AND mask as transparency.

#include <cstdint>
#include <span>

#include "platform/gfx/image.h"

namespace kelvo::gfx {

Image DecodeIco(std::span<const std::uint8_t> bytes);

}  // namespace kelvo::gfx

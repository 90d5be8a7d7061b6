#pragma once
// Picture files built byte by byte for the decoder tests.

#include <cstdint>
#include <vector>

#include "platform/gfx/image.h"

namespace kelvo::gfx::testing {

using Bytes = std::vector<std::uint8_t>;

void PutU16(Bytes& b, std::uint32_t v);
void PutU32(Bytes& b, std::uint32_t v);

// A 24-bit BMP of the image's colours; bottom-up rows unless topDown.
Bytes Bmp24(const Image& image, bool topDown = false);
// An 8-bit paletted BMP: palette entries 0xRRGGBB, one index per pixel, rows top first.
Bytes Bmp8(int width, int height, const std::vector<std::uint32_t>& palette, const std::vector<std::uint8_t>& indices);

// The bitmap part of an icon image: 32-bit colour rows from the image (alpha
// dropped to 0, as old icons have it) and an AND mask where mask(x, y) is true.
Bytes IconDib32(const Image& image, const std::vector<bool>& transparent);
// An ICO file holding these images; each width/height is given for the directory.
struct IconImage {
  int width, height;
  Bytes payload;
};
Bytes Ico(const std::vector<IconImage>& images);

// A GIF of up to four colours (0xRRGGBB) and one palette index per pixel.
Bytes Gif(int width, int height, const std::vector<std::uint32_t>& palette, const std::vector<std::uint8_t>& indices);

// A JPEG of the image (alpha ignored), high quality.
Bytes Jpeg(const Image& image);

}  // namespace kelvo::gfx::testing

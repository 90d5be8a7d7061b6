#pragma once
// Pictures: BMP, ICO, GIF, JPEG and PNG decoded into an Image, and PNG output
// for snapshots. A file that cannot be decoded is refused with PictureError
// (the caller reports it as runtime error 481 "Invalid picture").

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>

#include "platform/gfx/image.h"

namespace kelvo::gfx {

class PictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Decodes a picture from its bytes, whatever the format (told by its content).
Image DecodePicture(std::span<const std::uint8_t> bytes);
// Reads and decodes a file; PictureError names the file and the reason.
Image LoadPicture(const std::filesystem::path& file);
// Writes an image as PNG (8-bit RGBA); PictureError when the file cannot be written.
void WritePng(const Image& image, const std::filesystem::path& file);

}  // namespace kelvo::gfx

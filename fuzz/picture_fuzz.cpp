// Feeds arbitrary bytes to the picture decoder: it must refuse or decode, never crash.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/gfx/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const kelvo::gfx::Image image = kelvo::gfx::DecodePicture(std::span<const std::uint8_t>(data, size));
    if (image.empty()) __builtin_trap();  // a decoded picture always has pixels
  } catch (const kelvo::gfx::PictureError&) {
  }
  return 0;
}

#include "platform/gfx/stb_decode.h"

#include <stb_image.h>

#include <cstdlib>
#include <limits>
#include <memory>
#include <string>

#include "platform/gfx/picture.h"

namespace kelvo::gfx {
namespace {

struct StbFree {
  void operator()(stbi_uc* p) const { stbi_image_free(p); }
};

std::string Reason() {
  const char* why = stbi_failure_reason();
  return why != nullptr ? why : "unknown fault";
}

[[noreturn]] void Refuse(PictureFormat format, const std::string& why) {
  throw PictureError("the " + std::string(FormatName(format)) + " data cannot be decoded (" + why + ")");
}

Image ToImage(const stbi_uc* rgba, int width, int height) {
  Image image(width, height);
  auto& pixels = image.pixels();
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const stbi_uc* p = rgba + i * 4;
    pixels[i] = (static_cast<std::uint32_t>(p[3]) << 24) | (static_cast<std::uint32_t>(p[0]) << 16) |
                (static_cast<std::uint32_t>(p[1]) << 8) | p[2];
  }
  return image;
}

}  // namespace

Image DecodeWithStb(std::span<const std::uint8_t> bytes, PictureFormat format) {
  if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) Refuse(format, "the data is too long");
  const int length = static_cast<int>(bytes.size());
  int width = 0, height = 0, channels = 0;
  if (stbi_info_from_memory(bytes.data(), length, &width, &height, &channels) == 0) Refuse(format, Reason());
  CheckPictureSize(width, std::llabs(height));  // a top-down BMP reports a negative height here
  const std::unique_ptr<stbi_uc, StbFree> rgba(stbi_load_from_memory(bytes.data(), length, &width, &height, &channels, 4));
  if (!rgba) Refuse(format, Reason());
  CheckPictureSize(width, height);
  return ToImage(rgba.get(), width, height);
}

}  // namespace kelvo::gfx

#include "platform/gfx/picture_formats.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/gfx/picture.h"

namespace kelvo::gfx {
namespace {

bool StartsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

}  // namespace

PictureFormat SniffFormat(std::span<const std::uint8_t> bytes) {
  if (StartsWith(bytes, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) return PictureFormat::Png;
  if (StartsWith(bytes, {0xFF, 0xD8, 0xFF})) return PictureFormat::Jpeg;
  if (StartsWith(bytes, {'G', 'I', 'F', '8', '7', 'a'}) || StartsWith(bytes, {'G', 'I', 'F', '8', '9', 'a'})) {
    return PictureFormat::Gif;
  }
  if (StartsWith(bytes, {'B', 'M'})) return PictureFormat::Bmp;
  if (StartsWith(bytes, {0, 0, 1, 0}) || StartsWith(bytes, {0, 0, 2, 0})) return PictureFormat::Ico;
  return PictureFormat::Unknown;
}

std::string_view FormatName(PictureFormat format) {
  switch (format) {
    case PictureFormat::Bmp: return "BMP";
    case PictureFormat::Ico: return "ICO";
    case PictureFormat::Gif: return "GIF";
    case PictureFormat::Jpeg: return "JPEG";
    case PictureFormat::Png: return "PNG";
    case PictureFormat::Unknown: break;
  }
  return "unknown";
}

void CheckPictureSize(std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0) throw PictureError("the picture has no pixels");
  const std::string size = std::to_string(width) + "x" + std::to_string(height) + " pixels";
  if (width > kMaxPictureSide || height > kMaxPictureSide) {
    throw PictureError("the picture is too large (" + size + "; at most " + std::to_string(kMaxPictureSide) +
                       " pixels on a side)");
  }
  const std::uint64_t bytes = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) * 4;
  if (bytes > kMaxPictureBytes) {
    throw PictureError("the picture is too large (" + size + " take " + std::to_string((bytes + (1 << 20) - 1) >> 20) +
                       " MiB; at most " + std::to_string(kMaxPictureBytes >> 20) + " MiB)");
  }
}

}  // namespace kelvo::gfx

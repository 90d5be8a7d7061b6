#include "platform/gfx/bmp_check.h"

#include <cstdlib>

#include "platform/gfx/byte_reader.h"
#include "platform/gfx/picture_formats.h"

namespace kelvo::gfx {
namespace {

constexpr std::uint64_t kFileHeaderSize = 14;

struct BmpHeader {
  std::int64_t width = 0, height = 0;
  std::uint32_t bitCount = 0, compression = 0;
};

BmpHeader ReadHeader(const ByteReader& in) {
  BmpHeader h;
  const std::uint32_t infoSize = in.U32(kFileHeaderSize);
  if (infoSize == 12) {
    h.width = in.U16(kFileHeaderSize + 4);
    h.height = in.U16(kFileHeaderSize + 6);
    h.bitCount = in.U16(kFileHeaderSize + 10);
    return h;
  }
  if (infoSize != 40 && infoSize != 56 && infoSize != 108 && infoSize != 124) {
    in.Fail("has an unknown header size (" + std::to_string(infoSize) + ")");
  }
  h.width = in.I32(kFileHeaderSize + 4);
  h.height = in.I32(kFileHeaderSize + 8);
  h.bitCount = in.U16(kFileHeaderSize + 14);
  h.compression = in.U32(kFileHeaderSize + 16);
  return h;
}

}  // namespace

void CheckBmp(std::span<const std::uint8_t> bytes) {
  const ByteReader in(bytes, "the BMP data");
  const BmpHeader h = ReadHeader(in);
  CheckPictureSize(h.width, std::llabs(h.height));
  switch (h.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: in.Fail("has an unsupported bit count (" + std::to_string(h.bitCount) + ")");
  }
  if (h.compression == 1 || h.compression == 2) in.Fail("is run-length compressed, which is not supported");
  if (h.compression != 0 && h.compression != 3) in.Fail("has an unsupported compression (" + std::to_string(h.compression) + ")");
  const std::uint64_t stride = ((static_cast<std::uint64_t>(h.width) * h.bitCount + 31) / 32) * 4;
  in.Need(in.U32(10), stride * static_cast<std::uint64_t>(std::llabs(h.height)));
}

}  // namespace kelvo::gfx

#include "platform/gfx/ico_decode.h"

#include <vector>

#include "platform/gfx/bmp_check.h"
#include "platform/gfx/byte_reader.h"
#include "platform/gfx/picture_formats.h"
#include "platform/gfx/stb_decode.h"

namespace kelvo::gfx {
namespace {

constexpr std::uint64_t kDirectorySize = 6;
constexpr std::uint64_t kEntrySize = 16;
constexpr std::uint64_t kBmpFileHeaderSize = 14;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;

struct Entry {
  std::uint64_t pixels = 0;  // width × height as the directory states it
  std::uint16_t bitCount = 0;
  std::uint32_t size = 0, offset = 0;
};

Entry ReadEntry(const ByteReader& in, std::uint64_t at) {
  const auto side = [](std::uint8_t v) { return v == 0 ? 256u : static_cast<unsigned>(v); };
  Entry e;
  e.pixels = static_cast<std::uint64_t>(side(in.U8(at))) * side(in.U8(at + 1));
  e.bitCount = in.U16(at + 6);
  e.size = in.U32(at + 8);
  e.offset = in.U32(at + 12);
  return e;
}

// The largest image, the deepest colour among equals.
Entry PickLargest(const ByteReader& in) {
  if (in.U16(0) != 0) in.Fail("has a bad directory");
  const std::uint16_t count = in.U16(4);
  if (count == 0) in.Fail("holds no image");
  in.Need(kDirectorySize, count * kEntrySize);
  Entry best;
  for (std::uint16_t i = 0; i < count; ++i) {
    const Entry e = ReadEntry(in, kDirectorySize + i * kEntrySize);
    if (e.pixels > best.pixels || (e.pixels == best.pixels && e.bitCount > best.bitCount)) best = e;
  }
  return best;
}

void PutU16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<std::uint8_t>(v);
  out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  PutU16(out, at, v & 0xFFFF);
  PutU16(out, at + 2, v >> 16);
}

struct Dib {
  std::uint32_t headerSize = 0;
  std::int64_t width = 0, height = 0;  // height of the colour image (half the stored height)
  std::uint16_t bitCount = 0;
  std::uint64_t colorBytes = 0;  // palette or bit masks between header and pixels
  std::uint64_t xorSize = 0, andStride = 0;
};

Dib ReadDib(const ByteReader& in) {
  Dib d;
  d.headerSize = in.U32(0);
  if (d.headerSize != 40 && d.headerSize != 56 && d.headerSize != 108 && d.headerSize != 124) {
    in.Fail("has an unknown bitmap header");
  }
  d.width = in.I32(4);
  d.height = in.I32(8) / 2;
  d.bitCount = in.U16(14);
  const std::uint32_t compression = in.U32(16);
  if (compression != kRgb && compression != kBitFields) in.Fail("has a compressed bitmap");
  CheckPictureSize(d.width, d.height);
  const std::uint32_t used = in.U32(32);
  if (d.bitCount <= 8) d.colorBytes = 4ull * (used != 0 && used < (1u << d.bitCount) ? used : 1u << d.bitCount);
  if (compression == kBitFields && d.headerSize == 40) d.colorBytes = 12;
  d.xorSize = ((static_cast<std::uint64_t>(d.width) * d.bitCount + 31) / 32) * 4 * static_cast<std::uint64_t>(d.height);
  d.andStride = ((static_cast<std::uint64_t>(d.width) + 31) / 32) * 4;
  in.Need(d.headerSize + d.colorBytes + d.xorSize, d.andStride * static_cast<std::uint64_t>(d.height));
  return d;
}

// A BMP file of the colour part: a file header, the bitmap header with the
// height halved, the palette and the colour rows.
std::vector<std::uint8_t> AsBmpFile(const ByteReader& in, const Dib& d) {
  const std::uint64_t dibBytes = d.headerSize + d.colorBytes + d.xorSize;
  std::vector<std::uint8_t> bmp(kBmpFileHeaderSize);
  const auto dib = in.Slice(0, dibBytes);
  bmp.insert(bmp.end(), dib.begin(), dib.end());
  bmp[0] = 'B';
  bmp[1] = 'M';
  PutU32(bmp, 2, static_cast<std::uint32_t>(bmp.size()));
  PutU32(bmp, 10, static_cast<std::uint32_t>(kBmpFileHeaderSize + d.headerSize + d.colorBytes));
  PutU32(bmp, kBmpFileHeaderSize + 8, static_cast<std::uint32_t>(d.height));
  return bmp;
}

// Pixels whose AND-mask bit is set are transparent (rows stored bottom up).
void ApplyAndMask(Image& image, const ByteReader& in, const Dib& d) {
  const std::uint64_t maskStart = d.headerSize + d.colorBytes + d.xorSize;
  for (int row = 0; row < image.height(); ++row) {
    const std::uint64_t line = maskStart + static_cast<std::uint64_t>(row) * d.andStride;
    const int y = image.height() - 1 - row;
    for (int x = 0; x < image.width(); ++x) {
      const std::uint8_t bits = in.U8(line + static_cast<std::uint64_t>(x / 8));
      if ((bits & (0x80 >> (x % 8))) != 0) image.Set(x, y, 0);
    }
  }
}

Image DecodeDib(std::span<const std::uint8_t> payload) {
  const ByteReader in(payload, "the ICO bitmap");
  const Dib d = ReadDib(in);
  const std::vector<std::uint8_t> bmp = AsBmpFile(in, d);
  CheckBmp(bmp);
  Image image = DecodeWithStb(bmp, PictureFormat::Bmp);
  ApplyAndMask(image, in, d);
  return image;
}

}  // namespace

Image DecodeIco(std::span<const std::uint8_t> bytes) {
  const ByteReader in(bytes, "the ICO data");
  const Entry e = PickLargest(in);
  const auto payload = in.Slice(e.offset, e.size);
  if (SniffFormat(payload) == PictureFormat::Png) return DecodeWithStb(payload, PictureFormat::Png);
  return DecodeDib(payload);
}

}  // namespace kelvo::gfx

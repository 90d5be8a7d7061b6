#include "platform/gfx/gif_check.h"

#include "platform/gfx/byte_reader.h"

namespace kelvo::gfx {
namespace {

constexpr std::uint64_t kHeaderSize = 6;
constexpr std::uint64_t kScreenDescriptorSize = 7;
constexpr std::uint64_t kImageDescriptorSize = 10;  // separator included
constexpr std::uint8_t kExtension = 0x21;
constexpr std::uint8_t kImage = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;

// The size of a colour table announced by a packed flags byte, or 0.
std::uint64_t ColorTableSize(std::uint8_t flags) { return (flags & 0x80) != 0 ? 3ull << ((flags & 0x07) + 1) : 0; }

// The offset after a chain of data sub-blocks ending with an empty one.
std::uint64_t SkipSubBlocks(const ByteReader& in, std::uint64_t at) {
  for (;;) {
    const std::uint8_t length = in.U8(at);
    ++at;
    if (length == 0) return at;
    in.Need(at, length);
    at += length;
  }
}

}  // namespace

void CheckGif(std::span<const std::uint8_t> bytes) {
  const ByteReader in(bytes, "the GIF data");
  std::uint64_t at = kHeaderSize;
  const std::uint8_t screenFlags = in.U8(at + 4);
  at += kScreenDescriptorSize + ColorTableSize(screenFlags);
  for (;;) {
    const std::uint8_t block = in.U8(at);
    if (block == kExtension) {
      in.Need(at, 2);
      at = SkipSubBlocks(in, at + 2);
    } else if (block == kImage) {
      const std::uint8_t imageFlags = in.U8(at + 9);
      at += kImageDescriptorSize + ColorTableSize(imageFlags);
      in.Need(at, 1);  // the code size
      SkipSubBlocks(in, at + 1);
      return;
    } else if (block == kTrailer) {
      in.Fail("holds no image");
    } else {
      in.Fail("has an unknown block");
    }
  }
}

}  // namespace kelvo::gfx

#pragma once
// Bounds-checked little-endian reads from a byte span, for the picture parsers.

#include <cstdint>
#include <span>
#include <string>

#include "platform/gfx/picture.h"

namespace kelvo::gfx {

class ByteReader {
 public:
  // what names the data in error messages ("the ICO data").
  ByteReader(std::span<const std::uint8_t> bytes, std::string what) : bytes_(bytes), what_(std::move(what)) {}

  std::size_t size() const { return bytes_.size(); }
  bool Has(std::uint64_t offset, std::uint64_t count) const { return offset <= size() && count <= size() - offset; }

  std::uint8_t U8(std::uint64_t offset) const {
    Need(offset, 1);
    return bytes_[offset];
  }
  std::uint16_t U16(std::uint64_t offset) const {
    Need(offset, 2);
    return static_cast<std::uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
  }
  std::uint32_t U32(std::uint64_t offset) const {
    Need(offset, 4);
    return static_cast<std::uint32_t>(bytes_[offset]) | (static_cast<std::uint32_t>(bytes_[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes_[offset + 2]) << 16) | (static_cast<std::uint32_t>(bytes_[offset + 3]) << 24);
  }
  std::int32_t I32(std::uint64_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
  std::span<const std::uint8_t> Slice(std::uint64_t offset, std::uint64_t count) const {
    Need(offset, count);
    return bytes_.subspan(offset, count);
  }

  // Throws "<what> is truncated" unless count bytes are there from offset.
  void Need(std::uint64_t offset, std::uint64_t count) const {
    if (!Has(offset, count)) Fail("is truncated");
  }
  [[noreturn]] void Fail(const std::string& problem) const { throw PictureError(what_ + " " + problem); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::string what_;
};

}  // namespace kelvo::gfx

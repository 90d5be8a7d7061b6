#pragma once
// The fuzzer's bytes read front to back as the targets need them; zeros once
// they run out.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class FuzzInput {
 public:
  explicit FuzzInput(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool empty() const { return pos_ >= bytes_.size(); }
  std::uint8_t Byte() { return empty() ? 0 : bytes_[pos_++]; }
  std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | Byte() << 8); }
  std::int16_t Short() { return static_cast<std::int16_t>(Word()); }
  std::uint32_t Dword() { return static_cast<std::uint32_t>(Word()) | static_cast<std::uint32_t>(Word()) << 16; }
  // Up to maxLen characters: a byte below `split` picks from the alphabet,
  // any other stands for its own 8-bit code.
  std::u16string Text(std::size_t maxLen, std::u16string_view alphabet, std::uint8_t split) {
    std::u16string s;
    for (std::size_t n = Byte() % (maxLen + 1); n > 0; --n) {
      const std::uint8_t b = Byte();
      s += b < split ? alphabet[b % alphabet.size()] : static_cast<char16_t>(b);
    }
    return s;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

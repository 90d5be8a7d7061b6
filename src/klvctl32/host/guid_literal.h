#pragma once
// GUID constants written as text in source and parsed at compile time: a
// malformed literal does not compile.
//
//   constexpr com::CLSID CLSID_Foo = GuidLiteral("ABED1B1B-3233-4F0D-82C1-79CDC1400818");

#include <cstdint>
#include <string_view>

#include "platform/com/guid.h"

namespace kelvo::klvctl32 {

namespace guid_literal_detail {

consteval std::uint32_t HexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint32_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<std::uint32_t>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<std::uint32_t>(c - 'a' + 10);
  throw "GUID literal: not a hexadecimal digit";
}

// The value of count hex digits starting at text[at].
consteval std::uint32_t Hex(std::string_view text, std::size_t at, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < count; ++i) value = value << 4 | HexDigit(text[at + i]);
  return value;
}

}  // namespace guid_literal_detail

// "hhhhhhhh-hhhh-hhhh-hhhh-hhhhhhhhhhhh", without braces.
consteval com::GUID GuidLiteral(std::string_view text) {
  using guid_literal_detail::Hex;
  if (text.size() != 36 || text[8] != '-' || text[13] != '-' || text[18] != '-' || text[23] != '-') {
    throw "GUID literal: expected hhhhhhhh-hhhh-hhhh-hhhh-hhhhhhhhhhhh";
  }
  com::GUID g;
  g.data1 = Hex(text, 0, 8);
  g.data2 = static_cast<std::uint16_t>(Hex(text, 9, 4));
  g.data3 = static_cast<std::uint16_t>(Hex(text, 14, 4));
  g.data4[0] = static_cast<std::uint8_t>(Hex(text, 19, 2));
  g.data4[1] = static_cast<std::uint8_t>(Hex(text, 21, 2));
  for (std::size_t i = 0; i < 6; ++i) g.data4[2 + i] = static_cast<std::uint8_t>(Hex(text, 24 + 2 * i, 2));
  return g;
}

}  // namespace kelvo::klvctl32

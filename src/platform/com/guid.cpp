#include "platform/com/guid.h"

#include <cstdio>
#include <stdexcept>

namespace kelvo::com {
namespace {

constexpr std::string_view kShape = "hhhhhhhh-hhhh-hhhh-hhhh-hhhhhhhhhhhh";

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The 32 hex digits of the text as 16 bytes, or nothing when the text does not
// have the 8-4-4-4-12 shape.
std::optional<std::array<std::uint8_t, 16>> ParseBytes(std::string_view text) {
  if (text.size() != kShape.size()) return std::nullopt;
  std::array<std::uint8_t, 16> bytes{};
  std::size_t nibble = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (kShape[i] == '-') {
      if (text[i] != '-') return std::nullopt;
      continue;
    }
    const int d = HexDigit(text[i]);
    if (d < 0) return std::nullopt;
    bytes[nibble / 2] = static_cast<std::uint8_t>(bytes[nibble / 2] << 4 | d);
    ++nibble;
  }
  return bytes;
}

}  // namespace

std::optional<GUID> GUID::Parse(std::string_view text) {
  if (!text.empty() && text.front() == '{') {
    if (text.back() != '}') return std::nullopt;
    text = text.substr(1, text.size() - 2);
  }
  const auto bytes = ParseBytes(text);
  if (!bytes) return std::nullopt;
  const auto& b = *bytes;
  GUID g;
  g.data1 = std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 | b[3];
  g.data2 = static_cast<std::uint16_t>(b[4] << 8 | b[5]);
  g.data3 = static_cast<std::uint16_t>(b[6] << 8 | b[7]);
  for (std::size_t i = 0; i < 8; ++i) g.data4[i] = b[8 + i];
  return g;
}

std::string GUID::ToString() const {
  char buf[40];
  std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", data1,
                unsigned{data2}, unsigned{data3}, unsigned{data4[0]}, unsigned{data4[1]}, unsigned{data4[2]},
                unsigned{data4[3]}, unsigned{data4[4]}, unsigned{data4[5]}, unsigned{data4[6]},
                unsigned{data4[7]});
  return buf;
}

GUID MakeGuid(std::string_view text) {
  if (auto g = GUID::Parse(text)) return *g;
  throw std::invalid_argument("malformed GUID literal: " + std::string(text));
}

}  // namespace kelvo::com

#pragma once
// Globally unique identifiers for classes, interfaces and type libraries.

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvo::com {

struct GUID {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::array<std::uint8_t, 8> data4{};

  // "{hhhhhhhh-hhhh-hhhh-hhhh-hhhhhhhhhhhh}", h a hexadecimal digit (braces optional, any case).
  static std::optional<GUID> Parse(std::string_view text);
  // Upper-case, with braces.
  std::string ToString() const;
  bool IsNull() const { return *this == GUID{}; }

  friend auto operator<=>(const GUID&, const GUID&) = default;
};

using CLSID = GUID;
using IID = GUID;

// A GUID written as a string literal in source; aborts the build at compile time
// when malformed is not possible, so a bad literal throws std::invalid_argument.
GUID MakeGuid(std::string_view text);

}  // namespace kelvo::com

#pragma once
// The library's version block: file version 1.1.0.1 (shown as "1.01.0001"),
// product name, internal name and the self-registration marker. The same text
// is stored in the library file's ".kelvo_version" section, one "Key=Value"
// line each, so tools read it without loading the library
// (readelf -p .kelvo_version KLVCTL32.OCX).

#include <array>
#include <cstdint>
#include <string_view>

namespace kelvo::klvctl32 {

struct VersionBlock {
  std::array<std::uint16_t, 4> fileVersion;
  std::string_view fileVersionText;
  std::string_view productName;
  std::string_view internalName;
  bool selfRegister;
};

inline constexpr VersionBlock kVersionBlock{
    {1, 1, 0, 1}, "1.01.0001", "KelvoControls 32Bits", "KLVCTL32", true,
};

// The text of the ".kelvo_version" section.
std::string_view VersionSectionText();

}  // namespace kelvo::klvctl32

#pragma once
// Text typed through SDL's text-input event, as key press codes.

#include <cstdint>
#include <string_view>
#include <vector>

namespace kelvo::win::sdl {

// The code page 1252 codes of the typed characters, in order. Characters the
// code page lacks, control characters and malformed bytes are dropped.
std::vector<std::uint8_t> TypedCodes(std::string_view utf8);

}  // namespace kelvo::win::sdl

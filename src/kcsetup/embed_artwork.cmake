# Writes the setup window's pictures into a C++ source file as byte arrays.
#   -DBACKGROUND=file.bmp -DBANNER=file.bmp -DOUTPUT=artwork.cpp
function(byte_array file out)
  file(READ "${file}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){24})" "\\1\n    " bytes "${bytes}")
  set(${out} "${bytes}" PARENT_SCOPE)
endfunction()

byte_array("${BACKGROUND}" background)
byte_array("${BANNER}" banner)
file(WRITE "${OUTPUT}.tmp" "// Generated from src/kcsetup/artwork by embed_artwork.cmake.
#include \"kcsetup/artwork.h\"

namespace kelvo::kcsetup::artwork {
namespace {

const std::uint8_t kBackground[] = {
    ${background}};
const std::uint8_t kBanner[] = {
    ${banner}};

}  // namespace

std::span<const std::uint8_t> Background() { return kBackground; }
std::span<const std::uint8_t> Banner() { return kBanner; }

}  // namespace kelvo::kcsetup::artwork
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")

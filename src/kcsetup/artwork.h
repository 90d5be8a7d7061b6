#pragma once
// The setup window's pictures, built into the program from the BMP files of
// src/kcsetup/artwork (drawn by make_artwork.py there).

#include <cstdint>
#include <span>

namespace kelvo::kcsetup::artwork {

std::span<const std::uint8_t> Background();  // 501 x 338 pixels, 256 colours
std::span<const std::uint8_t> Banner();      // 418 x 72 pixels, 256 colours

}  // namespace kelvo::kcsetup::artwork

#pragma once
// Names of multi-volume file sets. A name beginning with "@" marks a side of
// the copy as a set of volumes; volume n of a base is base + "." + n written
// with at least three digits. Each later volume's base is the previous
// volume's name cut before the first "." of its file name (never of a folder
// above it) and trimmed of blanks.

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo::klvctl32 {

bool IsMultiVolume(std::u16string_view name);
// The given "@" name without its mark, as the base of volume n.
std::u16string FirstVolumeName(std::u16string_view markedName, std::int16_t n);
std::u16string NextVolumeName(std::u16string_view previousVolume, std::int16_t n);

}  // namespace kelvo::klvctl32

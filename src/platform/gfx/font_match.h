#pragma once
// Finding an installed font file for a font description through fontconfig.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/font.h"

namespace kelvo::gfx {

struct FontFile {
  std::string path;
  int index = 0;               // face index within the file
  bool needsBold = false;      // bold asked for, the file is not bold: embolden
  bool needsItalic = false;    // italic asked for, the file is upright: slant
};

// The families fontconfig is asked for, best first: the system's classic names
// map to metric-compatible or similar installed families.
std::vector<std::string> CandidateFamilies(std::u16string_view name);

// The installed font that best matches the description, or nothing when
// fontconfig knows no font at all.
std::optional<FontFile> MatchSystemFont(const FontDesc& desc);

}  // namespace kelvo::gfx

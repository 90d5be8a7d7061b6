#pragma once
// A FontFace drawn by FreeType from an installed font file, anti-aliased.

#include <memory>

#include "platform/gfx/font.h"
#include "platform/gfx/font_match.h"

namespace kelvo::gfx {

// The face of a font file at a pixel size, or nullptr when FreeType cannot
// open the file or size it.
std::shared_ptr<const FontFace> MakeFreeTypeFace(const FontFile& file, const FontDesc& desc, int pixelSize);

}  // namespace kelvo::gfx

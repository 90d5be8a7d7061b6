#pragma once
// The built-in bitmap font as a FontFace: the glyphs of builtin_glyphs.h,
// scaled by an integer factor, bold drawn twice one pixel apart.

#include <memory>

#include "platform/gfx/font.h"

namespace kelvo::gfx {

// The built-in face for a description at a resolution (size and effects from
// the description; the name is not consulted).
std::shared_ptr<const FontFace> MakeBuiltinFace(const FontDesc& desc, int dpi);

}  // namespace kelvo::gfx

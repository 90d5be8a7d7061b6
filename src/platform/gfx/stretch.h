#pragma once
// Painting an image stretched onto another, nearest neighbour, alpha respected.

#include "platform/gfx/image.h"

namespace kelvo::gfx {

// Paints src scaled to width × height pixels with its top-left corner at
// (left, top) of dst, clipped to dst. Each source pixel is composed over the
// destination by its alpha. Nothing is painted when a size is not positive.
void StretchOnto(Image& dst, const Image& src, int left, int top, int width, int height);

}  // namespace kelvo::gfx

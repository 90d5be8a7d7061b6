#pragma once
// The composed picture of a window: its own surface with the surfaces of its
// visible children drawn over at their positions, recursively, in creation
// order (later children on top). Used by snapshots and the SDL backend.

#include "platform/gfx/image.h"
#include "platform/win/types.h"

namespace kelvo::win {

// An empty image when hwnd is not a window.
gfx::Image ComposeWindow(HWND hwnd);

}  // namespace kelvo::win

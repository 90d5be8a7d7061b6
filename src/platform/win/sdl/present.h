#pragma once
// Putting a picture on an SDL window: copied into the window's surface and
// shown. Area the picture does not cover (a window made larger than the
// picture) shows the button face colour.

#include <SDL2/SDL_video.h>

#include "platform/gfx/image.h"

namespace kelvo::win::sdl {

// False when SDL could not show it (SDL_GetError says why).
bool PresentImage(SDL_Window* window, gfx::Image& picture);

}  // namespace kelvo::win::sdl

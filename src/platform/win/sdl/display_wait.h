#pragma once
// Waiting for input from the display without SDL's blocking wait. SDL 2.26
// wakes its wait by sending itself an X event through a window it remembers,
// also after that window is destroyed (a closed pop-up menu, or the last form
// at the end); X answers with an error that ends the program. The loop polls
// SDL instead and waits here on the X connection itself.

#include <SDL2/SDL_video.h>

#include <cstdint>

namespace kelvo::win::sdl {

// Returns when the display has input for the program or after ms
// milliseconds. `window` is any SDL window of the program, through which the
// connection is found; without one (or on another video driver) it sleeps a
// few milliseconds at most, so that the caller polls again.
void WaitForDisplayInput(SDL_Window* window, std::uint64_t ms);

}  // namespace kelvo::win::sdl

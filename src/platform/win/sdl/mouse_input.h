#pragma once
// Delivers SDL's mouse events to the window system: positions in screen
// pixels (the screen window's position plus the point in it), buttons as the
// container numbers them, and the second press of a double click as DblClick
// (down, up, dblclick, up), as the operating system delivers them.

#include <SDL2/SDL_events.h>

#include "platform/win/window_system.h"

namespace kelvo::win::sdl {

class MouseInput {
 public:
  explicit MouseInput(WindowSystem& ws) : ws_(ws) {}

  // `root` is the window the SDL window shows; `mod` the keyboard modifiers.
  void Motion(HWND root, const SDL_MouseMotionEvent& motion, Uint16 mod);
  void Button(HWND root, const SDL_MouseButtonEvent& button, Uint16 mod);

 private:
  POINT ScreenPoint(HWND root, int x, int y) const;

  WindowSystem& ws_;
};

// 1 left, 2 right, 4 middle; 0 for other SDL buttons.
int ContainerButton(Uint8 sdlButton);
// The buttons held in an SDL button state, as the container's bits.
int ContainerButtons(Uint32 sdlState);

}  // namespace kelvo::win::sdl

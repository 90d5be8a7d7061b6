#pragma once
// The mouse pointer's shape on the screen: SDL's system cursors for the
// default arrow and the busy hourglass, created on first use.

#include <SDL2/SDL.h>

#include "platform/win/window_system.h"

namespace kelvo::win::sdl {

class PointerCursor {
 public:
  PointerCursor() = default;
  ~PointerCursor();
  PointerCursor(const PointerCursor&) = delete;
  PointerCursor& operator=(const PointerCursor&) = delete;

  void Show(PointerShape shape);

 private:
  SDL_Cursor* arrow_ = nullptr;
  SDL_Cursor* busy_ = nullptr;
};

}  // namespace kelvo::win::sdl

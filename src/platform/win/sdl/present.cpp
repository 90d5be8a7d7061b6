#include "platform/win/sdl/present.h"

#include <memory>

#include "platform/win/sdl/dialog_drawing.h"

namespace kelvo::win::sdl {
namespace {

struct SurfaceDeleter {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};

}  // namespace

bool PresentImage(SDL_Window* window, gfx::Image& picture) {
  SDL_Surface* target = SDL_GetWindowSurface(window);
  if (target == nullptr) return false;
  const gfx::Rgb face = SysColor(syscolor::kButtonFace);
  if (picture.width() < target->w || picture.height() < target->h) {
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, face.r, face.g, face.b));
  }
  if (!picture.empty()) {
    // Image pixels are 0xAARRGGBB words.
    std::unique_ptr<SDL_Surface, SurfaceDeleter> source(SDL_CreateRGBSurfaceWithFormatFrom(
        picture.pixels().data(), picture.width(), picture.height(), 32, picture.width() * 4, SDL_PIXELFORMAT_ARGB8888));
    if (!source) return false;
    SDL_SetSurfaceBlendMode(source.get(), SDL_BLENDMODE_NONE);
    if (SDL_BlitSurface(source.get(), nullptr, target, nullptr) != 0) return false;
  }
  return SDL_UpdateWindowSurface(window) == 0;
}

}  // namespace kelvo::win::sdl

#include "platform/win/sdl/display_wait.h"

#include <X11/Xlib.h>
#include <poll.h>

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

#include <algorithm>

namespace kelvo::win::sdl {
namespace {

constexpr std::uint64_t kPollWithoutDisplayMs = 10;

Display* X11DisplayOf(SDL_Window* window) {
  if (window == nullptr) return nullptr;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return nullptr;
  return info.info.x11.display;
}

}  // namespace

void WaitForDisplayInput(SDL_Window* window, std::uint64_t ms) {
  Display* display = X11DisplayOf(window);
  if (display == nullptr) {
    SDL_Delay(static_cast<Uint32>(std::min(ms, kPollWithoutDisplayMs)));
    return;
  }
  // Sends what is buffered and takes in what has arrived already.
  if (XPending(display) > 0) return;
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  poll(&connection, 1, static_cast<int>(std::min<std::uint64_t>(ms, 60'000)));
}

}  // namespace kelvo::win::sdl

#include "platform/win/sdl/popup_menu_window.h"

#include "platform/win/sdl/present.h"

namespace kelvo::win::sdl {
namespace {

constexpr Uint32 kMenuFlags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU |
                              SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_ALWAYS_ON_TOP;

// A surface in the menu font, used to lay the menu out before its size is known.
gfx::Surface MenuSurface(int twipsPerPixel) {
  gfx::Surface surface(1, 1, twipsPerPixel, twipsPerPixel);
  surface.SetFont(gfx::FontDesc{});
  return surface;
}

}  // namespace

RECT DisplayBoundsAt(POINT screen) {
  SDL_Rect bounds{0, 0, 0, 0};
  const int displays = SDL_GetNumVideoDisplays();
  for (int i = 0; i < displays; ++i) {
    SDL_Rect r;
    if (SDL_GetDisplayBounds(i, &r) != 0) continue;
    const bool inside = screen.x >= r.x && screen.x < r.x + r.w && screen.y >= r.y && screen.y < r.y + r.h;
    if (i == 0 || inside) bounds = r;
    if (inside) break;
  }
  return {bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h};
}

PopupMenuWindow::PopupMenuWindow(const std::vector<MenuItem>& items, POINT screen, int twipsPerPixel)
    : surface_(MenuSurface(twipsPerPixel)), model_(items, surface_) {
  surface_.Resize(model_.Width(), model_.Height());
  const RECT place = PlaceMenu(screen, model_.Width(), model_.Height(), DisplayBoundsAt(screen));
  window_.reset(SDL_CreateWindow("", place.left, place.top, place.Width(), place.Height(), kMenuFlags));
  if (window_ == nullptr) return;
  SDL_ShowWindow(window_.get());
  Present(true);
}

void PopupMenuWindow::KeyDown(const KeyStroke& stroke) { model_.KeyDown(stroke.vk); }

void PopupMenuWindow::MouseMoved(int x, int y) { model_.PointerAt(x, y); }

void PopupMenuWindow::MouseButton(bool down, int x, int y) {
  if (down) {
    model_.PointerAt(x, y);
  } else {
    model_.ButtonUp(x, y);
  }
}

void PopupMenuWindow::Present(bool force) {
  if (window_ == nullptr || (!force && shownHighlight_ == model_.Highlighted())) return;
  model_.Draw(surface_);
  gfx::Image picture = surface_.image();
  if (PresentImage(window_.get(), picture)) shownHighlight_ = model_.Highlighted();
}

}  // namespace kelvo::win::sdl

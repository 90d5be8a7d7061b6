#include "platform/win/sdl/message_box_window.h"

#include "platform/base/text.h"
#include "platform/win/sdl/present.h"

namespace kelvo::win::sdl {
namespace {

gfx::Surface BoxSurface(int twipsPerPixel) {
  gfx::Surface surface(1, 1, twipsPerPixel, twipsPerPixel);
  surface.SetFont(gfx::FontDesc{});
  return surface;
}

}  // namespace

MessageBoxWindow::MessageBoxWindow(const MessageBoxRecord& box, std::optional<RECT> over, int twipsPerPixel)
    : surface_(BoxSurface(twipsPerPixel)), model_(box, surface_) {
  const int w = model_.Width(), h = model_.Height();
  surface_.Resize(w, h);
  int x = static_cast<int>(SDL_WINDOWPOS_CENTERED), y = static_cast<int>(SDL_WINDOWPOS_CENTERED);
  if (over) {
    x = over->left + (over->Width() - w) / 2;
    y = over->top + (over->Height() - h) / 2;
  }
  window_.reset(SDL_CreateWindow(text::ToUtf8(box.title).c_str(), x, y, w, h, SDL_WINDOW_HIDDEN));
  if (window_ == nullptr) return;
  SDL_ShowWindow(window_.get());
  KeepInFront();
  Present(true);
}

void MessageBoxWindow::KeyDown(const KeyStroke& stroke) {
  model_.KeyDown(stroke.vk, stroke.shift);
  Changed();
}

void MessageBoxWindow::MouseMoved(int x, int y) {
  model_.PointerAt(x, y);
  Changed();
}

void MessageBoxWindow::MouseButton(bool down, int x, int y) {
  if (down) {
    model_.ButtonDown(x, y);
  } else {
    model_.ButtonUp(x, y);
  }
  Changed();
}

void MessageBoxWindow::KeepInFront() {
  SDL_RaiseWindow(window_.get());
  SDL_SetWindowInputFocus(window_.get());
}

void MessageBoxWindow::CloseRequested() {
  model_.CloseRequested();
  Changed();
}

void MessageBoxWindow::Present(bool force) {
  if (window_ == nullptr || (drawn_ && !force)) return;
  model_.Draw(surface_);
  gfx::Image picture = surface_.image();
  drawn_ = PresentImage(window_.get(), picture);
}

}  // namespace kelvo::win::sdl

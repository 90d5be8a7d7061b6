#pragma once
// A window of the backend's own (a pop-up menu, a message box) that takes
// the program's input while a nested loop runs until it is answered.

#include <SDL2/SDL_video.h>

#include <memory>

#include "platform/win/sdl/key_table.h"

namespace kelvo::win::sdl {

struct SdlWindowDeleter {
  void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};
using SdlWindowPtr = std::unique_ptr<SDL_Window, SdlWindowDeleter>;

class ModalDialog {
 public:
  virtual ~ModalDialog() = default;

  // Null when the window could not be made; the dialog is then done at once.
  virtual SDL_Window* Window() const = 0;
  virtual bool Done() const = 0;
  // Whether the dialog holds the mouse while it runs (presses anywhere reach it).
  virtual bool CapturesMouse() const = 0;

  virtual void KeyDown(const KeyStroke& stroke) = 0;
  // The pointer and buttons, in the dialog's pixels (possibly outside it).
  virtual void MouseMoved(int x, int y) = 0;
  virtual void MouseButton(bool down, int x, int y) = 0;
  // A press outside the dialog, in another window of the program.
  virtual void PressedElsewhere() = 0;
  // Another window of the program got the keyboard.
  virtual void OtherWindowFocused() = 0;
  // Another application took the keyboard.
  virtual void Deactivated() = 0;
  // The window manager asked to close the dialog's window.
  virtual void CloseRequested() = 0;
  // Shows the picture again if it changed, or always with `force`.
  virtual void Present(bool force) = 0;
};

}  // namespace kelvo::win::sdl

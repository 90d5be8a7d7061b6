#pragma once
// Delivers SDL's keyboard events to the window system the way the operating
// system delivers keys: KeyDown, the key press (Char) it types, KeyUp, and
// Alt+letter as an access key to the top-level window.

#include <SDL2/SDL_keyboard.h>

#include <string_view>

#include "platform/win/window_system.h"

namespace kelvo::win::sdl {

class KeyboardInput {
 public:
  explicit KeyboardInput(WindowSystem& ws) : ws_(ws) {}

  void KeyDown(const SDL_Keysym& key);
  void KeyUp(const SDL_Keysym& key);
  // SDL's text-input event, which follows the key down that typed it.
  void TextInput(std::string_view utf8);
  // A dialog of the backend took a key down: the text it types is no key
  // press for the windows.
  void KeyTakenByDialog() { typesText_ = false; }

 private:
  // The focus window, or the active window when nothing has the focus.
  HWND KeyTarget() const;
  void Deliver(const Message& message);

  WindowSystem& ws_;
  bool typesText_ = true;  // the modifiers of the last key event let text through
};

}  // namespace kelvo::win::sdl

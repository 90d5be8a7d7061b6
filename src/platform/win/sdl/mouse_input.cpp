// A press in a form that is not active activates it first, as a click does
// on the operating system; tool windows are never activated.

#include "platform/win/sdl/mouse_input.h"

#include "platform/win/sdl/key_table.h"

namespace kelvo::win::sdl {

int ContainerButton(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT:
      return 1;
    case SDL_BUTTON_RIGHT:
      return 2;
    case SDL_BUTTON_MIDDLE:
      return 4;
    default:
      return 0;
  }
}

int ContainerButtons(Uint32 sdlState) {
  int held = 0;
  if ((sdlState & SDL_BUTTON_LMASK) != 0) held |= 1;
  if ((sdlState & SDL_BUTTON_RMASK) != 0) held |= 2;
  if ((sdlState & SDL_BUTTON_MMASK) != 0) held |= 4;
  return held;
}

POINT MouseInput::ScreenPoint(HWND root, int x, int y) const {
  const RECT r = ws_.ScreenRect(root);
  return {r.left + x, r.top + y};
}

void MouseInput::Motion(HWND root, const SDL_MouseMotionEvent& motion, Uint16 mod) {
  ws_.MouseButton(Msg::MouseMove, ContainerButtons(motion.state), ShiftState(mod),
                  ScreenPoint(root, motion.x, motion.y));
}

void MouseInput::Button(HWND root, const SDL_MouseButtonEvent& button, Uint16 mod) {
  const int which = ContainerButton(button.button);
  if (which == 0) return;
  const bool down = button.state == SDL_PRESSED;
  if (down && ws_.Kind(root) == WindowKind::TopLevel && ws_.Active() != root) ws_.Activate(root);
  // Every second press of a run of clicks is a double click.
  const bool doubleClick = down && button.clicks >= 2 && button.clicks % 2 == 0;
  const Msg type = !down ? Msg::MouseUp : doubleClick ? Msg::DblClick : Msg::MouseDown;
  ws_.MouseButton(type, which, ShiftState(mod), ScreenPoint(root, button.x, button.y));
}

}  // namespace kelvo::win::sdl

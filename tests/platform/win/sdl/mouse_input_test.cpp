// SDL mouse events delivered to windows: screen positions, button numbers,
// double clicks and activation by a click.

#include "platform/win/sdl/mouse_input.h"

#include "../window_fixture.h"

namespace kelvo::win::test {
namespace {

SDL_MouseButtonEvent Press(Uint8 button, bool down, int x, int y, Uint8 clicks = 1) {
  SDL_MouseButtonEvent e{};
  e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button = button;
  e.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.clicks = clicks;
  e.x = x;
  e.y = y;
  return e;
}

SDL_MouseMotionEvent Motion(int x, int y, Uint32 state) {
  SDL_MouseMotionEvent e{};
  e.type = SDL_MOUSEMOTION;
  e.state = state;
  e.x = x;
  e.y = y;
  return e;
}

class MouseInputTest : public WindowTest {
 protected:
  void SetUp() override {
    form = Form({100, 50, 400, 250});
    button = Child(form, {10, 10, 110, 40});
    other = Form({500, 50, 700, 250});
    ws.Activate(form);
    log.Take();
  }
  static std::string M(Msg type, HWND h, int a, int b, int x, int y) {
    return L(h, {.type = type, .a = a, .b = b, .c = x, .d = y});
  }
  sdl::MouseInput mouse{ws};
  HWND form = 0, button = 0, other = 0;
};

TEST_F(MouseInputTest, PositionsAreScreenPixelsAndReachTheWindowUnderThem) {
  mouse.Motion(form, Motion(15, 12, 0), KMOD_NONE);
  EXPECT_EQ(ws.CursorPos(), (POINT{115, 62}));
  mouse.Motion(form, Motion(200, 100, SDL_BUTTON_LMASK | SDL_BUTTON_RMASK), KMOD_LSHIFT);
  EXPECT_EQ(log.Take(), (Lines{M(Msg::MouseMove, button, 0, 0, 5, 2), M(Msg::MouseMove, form, 3, 1, 200, 100)}));
}

TEST_F(MouseInputTest, TheSecondPressOfADoubleClickIsDblClick) {
  mouse.Button(form, Press(SDL_BUTTON_LEFT, true, 20, 20, 1), KMOD_NONE);
  mouse.Button(form, Press(SDL_BUTTON_LEFT, false, 20, 20, 1), KMOD_NONE);
  mouse.Button(form, Press(SDL_BUTTON_LEFT, true, 20, 20, 2), KMOD_NONE);
  mouse.Button(form, Press(SDL_BUTTON_LEFT, false, 20, 20, 2), KMOD_NONE);
  mouse.Button(form, Press(SDL_BUTTON_LEFT, true, 20, 20, 3), KMOD_NONE);  // a third press starts anew
  EXPECT_EQ(log.Take(), (Lines{M(Msg::MouseDown, button, 1, 0, 10, 10), M(Msg::MouseUp, button, 1, 0, 10, 10),
                               M(Msg::DblClick, button, 1, 0, 10, 10), M(Msg::MouseUp, button, 1, 0, 10, 10),
                               M(Msg::MouseDown, button, 1, 0, 10, 10)}));
}

TEST_F(MouseInputTest, ButtonsAreNumberedAsTheContainerDoes) {
  mouse.Button(form, Press(SDL_BUTTON_RIGHT, true, 20, 20), KMOD_LCTRL);
  mouse.Button(form, Press(SDL_BUTTON_MIDDLE, true, 20, 20), KMOD_NONE);
  mouse.Button(form, Press(SDL_BUTTON_X1, true, 20, 20), KMOD_NONE);
  EXPECT_EQ(log.Take(), (Lines{M(Msg::MouseDown, button, 2, 2, 10, 10), M(Msg::MouseDown, button, 4, 0, 10, 10)}));
}

TEST_F(MouseInputTest, APressActivatesItsFormButNeverAToolWindow) {
  const HWND tip = Tool({600, 300, 650, 320});
  mouse.Button(tip, Press(SDL_BUTTON_LEFT, true, 1, 1), KMOD_NONE);
  EXPECT_EQ(ws.Active(), form);
  mouse.Button(other, Press(SDL_BUTTON_LEFT, true, 5, 5), KMOD_NONE);
  EXPECT_EQ(ws.Active(), other);
  EXPECT_EQ(log.Take(),
            (Lines{M(Msg::MouseDown, tip, 1, 0, 1, 1), L(form, {.type = Msg::Activate, .a = 0, .other = other}),
                   L(other, {.type = Msg::Activate, .a = 1, .other = form}), M(Msg::MouseDown, other, 1, 0, 5, 5)}));
}

TEST_F(MouseInputTest, TheCaptureGetsTheMouseOutsideItsWindow) {
  ws.SetCapture(button);
  mouse.Motion(form, Motion(-20, 300, SDL_BUTTON_LMASK), KMOD_NONE);
  mouse.Button(form, Press(SDL_BUTTON_LEFT, false, -20, 300), KMOD_NONE);
  EXPECT_EQ(log.Take(), (Lines{M(Msg::MouseMove, button, 1, 0, -30, 290), M(Msg::MouseUp, button, 1, 0, -30, 290)}));
}

}  // namespace
}  // namespace kelvo::win::test

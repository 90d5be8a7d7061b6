// SDL keyboard events delivered to windows: the order of KeyDown, Char,
// AccessKey and KeyUp, and where each goes.

#include "platform/win/sdl/keyboard_input.h"

#include "../window_fixture.h"

namespace kelvo::win::test {
namespace {

SDL_Keysym Key(SDL_Keycode sym, SDL_Scancode scancode, Uint16 mod = KMOD_NONE) {
  SDL_Keysym key{};
  key.sym = sym;
  key.scancode = scancode;
  key.mod = mod;
  return key;
}

class KeyboardInputTest : public WindowTest {
 protected:
  void SetUp() override {
    form = Form({0, 0, 300, 200});
    edit = Child(form, {10, 10, 100, 30});
    ws.SetFocus(edit);
    log.Take();
  }
  static std::string Down(HWND h, int vk, int shift) { return L(h, {.type = Msg::KeyDown, .a = vk, .b = shift}); }
  static std::string Up(HWND h, int vk, int shift) { return L(h, {.type = Msg::KeyUp, .a = vk, .b = shift}); }
  static std::string Char(HWND h, int code) { return L(h, {.type = Msg::Char, .a = code}); }

  sdl::KeyboardInput keyboard{ws};
  HWND form = 0, edit = 0;
};

TEST_F(KeyboardInputTest, APrintableKeyTypesItsTextInput) {
  keyboard.KeyDown(Key(SDLK_a, SDL_SCANCODE_A, KMOD_LSHIFT));
  keyboard.TextInput("A");
  keyboard.KeyUp(Key(SDLK_a, SDL_SCANCODE_A, KMOD_LSHIFT));
  EXPECT_EQ(log.Take(), (Lines{Down(edit, 'A', 1), Char(edit, 'A'), Up(edit, 'A', 1)}));
}

TEST_F(KeyboardInputTest, ControlKeysTypeTheirOwnCodes) {
  keyboard.KeyDown(Key(SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE));
  keyboard.KeyDown(Key(SDLK_RETURN, SDL_SCANCODE_RETURN));
  keyboard.KeyDown(Key(SDLK_c, SDL_SCANCODE_C, KMOD_LCTRL));
  keyboard.TextInput("c");  // SDL may report it; Ctrl+C types only its code
  EXPECT_EQ(log.Take(), (Lines{Down(edit, 8, 0), Char(edit, 8), Down(edit, 13, 0), Char(edit, 13), Down(edit, 'C', 2),
                               Char(edit, 3)}));
}

TEST_F(KeyboardInputTest, AltLetterGoesToTheFormAsAnAccessKey) {
  ws.Activate(form);
  log.Take();
  keyboard.KeyDown(Key(SDLK_r, SDL_SCANCODE_R, KMOD_LALT));
  keyboard.TextInput("r");
  EXPECT_EQ(log.Take(), (Lines{Down(edit, 'R', 4), L(form, {.type = Msg::AccessKey, .a = 'R'})}));
}

TEST_F(KeyboardInputTest, AltGrTypesItsCharacterInstead) {
  keyboard.KeyDown(Key(SDLK_e, SDL_SCANCODE_E, KMOD_RALT));
  keyboard.TextInput("\xE2\x82\xAC");  // €
  keyboard.KeyDown(Key(SDLK_q, SDL_SCANCODE_Q, KMOD_RALT));
  keyboard.TextInput("@");
  EXPECT_EQ(log.Take(), (Lines{Down(edit, 'E', 6), Char(edit, 0x80), Down(edit, 'Q', 6), Char(edit, '@')}));
}

TEST_F(KeyboardInputTest, TextWithoutAKeyFollowsTheModifiersAsReleased) {
  keyboard.KeyDown(Key(SDLK_v, SDL_SCANCODE_V, KMOD_LCTRL));
  keyboard.KeyUp(Key(SDLK_v, SDL_SCANCODE_V, KMOD_LCTRL));
  keyboard.TextInput("v");  // Ctrl still held
  keyboard.KeyUp(Key(SDLK_LCTRL, SDL_SCANCODE_LCTRL));
  keyboard.TextInput("\xC3\xA9");  // é from an input method
  EXPECT_EQ(log.Take(), (Lines{Down(edit, 'V', 2), Char(edit, 22), Up(edit, 'V', 2), Up(edit, 17, 0),
                               Char(edit, 0xE9)}));
}

TEST_F(KeyboardInputTest, TheTextOfAKeyADialogTookIsNotTyped) {
  keyboard.KeyTakenByDialog();  // 'n' answered a message box
  keyboard.TextInput("n");
  keyboard.KeyUp(Key(SDLK_n, SDL_SCANCODE_N));
  keyboard.TextInput("o");
  EXPECT_EQ(log.Take(), (Lines{Up(edit, 'N', 0), Char(edit, 'o')}));
}

TEST_F(KeyboardInputTest, TextOutsideTheCodePageTypesNothing) {
  keyboard.KeyDown(Key(0x65E5, SDL_SCANCODE_A));
  keyboard.TextInput("\xE6\x97\xA5");
  EXPECT_EQ(log.Take(), (Lines{Down(edit, 'A', 0)}));
}

TEST_F(KeyboardInputTest, WithoutAFocusKeysGoToTheActiveForm) {
  ws.Activate(form);
  ws.SetFocus(0);
  log.Take();
  keyboard.KeyDown(Key(SDLK_TAB, SDL_SCANCODE_TAB));
  EXPECT_EQ(log.Take(), (Lines{Down(form, 9, 0), Char(form, 9)}));
  ws.Activate(0);
  keyboard.KeyDown(Key(SDLK_TAB, SDL_SCANCODE_TAB));
  keyboard.TextInput("x");
  EXPECT_EQ(log.Take(), (Lines{L(form, {.type = Msg::Activate, .a = 0})}));
}

TEST_F(KeyboardInputTest, KeysWithoutACodeAreNotDelivered) {
  keyboard.KeyDown(Key(SDLK_AUDIOPLAY, SDL_SCANCODE_AUDIOPLAY));
  keyboard.KeyUp(Key(SDLK_AUDIOPLAY, SDL_SCANCODE_AUDIOPLAY));
  EXPECT_TRUE(log.Take().empty());
}

}  // namespace
}  // namespace kelvo::win::test

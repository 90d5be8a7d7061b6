// The key translation table against the operating system's virtual-key codes
// and the key press and access-key rules of the container.

#include "platform/win/sdl/key_table.h"

#include <gtest/gtest.h>

namespace kelvo::win::sdl {
namespace {

int Vk(SDL_Keycode key, SDL_Scancode scancode, Uint16 mod = KMOD_NONE) { return TranslateKey(key, scancode, mod).vk; }

KeyStroke Stroke(SDL_Keycode key, SDL_Scancode scancode, Uint16 mod) { return TranslateKey(key, scancode, mod); }

TEST(KeyTable, LettersFollowTheLayoutAndDigitsTheirRow) {
  for (int i = 0; i < 26; ++i) {
    const auto scancode = static_cast<SDL_Scancode>(SDL_SCANCODE_A + i);
    EXPECT_EQ(Vk(SDLK_a + i, scancode), 'A' + i);
  }
  // French layout: the key at Q types 'a', the one at M types ',' and the
  // one at ';' types 'm'; the digit row types '&', 'é', ...
  EXPECT_EQ(Vk(SDLK_a, SDL_SCANCODE_Q), 'A');
  EXPECT_EQ(Vk(SDLK_COMMA, SDL_SCANCODE_M), 188);
  EXPECT_EQ(Vk(SDLK_m, SDL_SCANCODE_SEMICOLON), 'M');
  EXPECT_EQ(Vk(SDLK_AMPERSAND, SDL_SCANCODE_1), '1');
  EXPECT_EQ(Vk(0xE9, SDL_SCANCODE_2), '2');
  EXPECT_EQ(Vk(SDLK_0, SDL_SCANCODE_0), '0');
  EXPECT_EQ(Vk(SDLK_9, SDL_SCANCODE_9), '9');
  // A layout without Latin letters keeps the letter of the position.
  EXPECT_EQ(Vk(0x0444, SDL_SCANCODE_A), 'A');
}

TEST(KeyTable, EditingAndNavigationKeys) {
  EXPECT_EQ(Vk(SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE), 8);
  EXPECT_EQ(Vk(SDLK_TAB, SDL_SCANCODE_TAB), 9);
  EXPECT_EQ(Vk(SDLK_RETURN, SDL_SCANCODE_RETURN), 13);
  EXPECT_EQ(Vk(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER), 13);
  EXPECT_EQ(Vk(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE), 27);
  EXPECT_EQ(Vk(SDLK_SPACE, SDL_SCANCODE_SPACE), 32);
  EXPECT_EQ(Vk(SDLK_PAGEUP, SDL_SCANCODE_PAGEUP), 33);
  EXPECT_EQ(Vk(SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN), 34);
  EXPECT_EQ(Vk(SDLK_END, SDL_SCANCODE_END), 35);
  EXPECT_EQ(Vk(SDLK_HOME, SDL_SCANCODE_HOME), 36);
  EXPECT_EQ(Vk(SDLK_LEFT, SDL_SCANCODE_LEFT), 37);
  EXPECT_EQ(Vk(SDLK_UP, SDL_SCANCODE_UP), 38);
  EXPECT_EQ(Vk(SDLK_RIGHT, SDL_SCANCODE_RIGHT), 39);
  EXPECT_EQ(Vk(SDLK_DOWN, SDL_SCANCODE_DOWN), 40);
  EXPECT_EQ(Vk(SDLK_INSERT, SDL_SCANCODE_INSERT), 45);
  EXPECT_EQ(Vk(SDLK_DELETE, SDL_SCANCODE_DELETE), 46);
}

TEST(KeyTable, ModifierKeysGiveOneCodeForBothSides) {
  EXPECT_EQ(Vk(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, KMOD_LSHIFT), 16);
  EXPECT_EQ(Vk(SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, KMOD_RSHIFT), 16);
  EXPECT_EQ(Vk(SDLK_LCTRL, SDL_SCANCODE_LCTRL, KMOD_LCTRL), 17);
  EXPECT_EQ(Vk(SDLK_RCTRL, SDL_SCANCODE_RCTRL, KMOD_RCTRL), 17);
  EXPECT_EQ(Vk(SDLK_LALT, SDL_SCANCODE_LALT, KMOD_LALT), 18);
  EXPECT_EQ(Vk(SDLK_RALT, SDL_SCANCODE_RALT, KMOD_RALT), 18);
  // The modifier's own key down already carries its bit.
  EXPECT_EQ(Stroke(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, KMOD_LSHIFT).shift, 1);
  EXPECT_EQ(Stroke(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, KMOD_NONE).shift, 0);  // its key up
}

TEST(KeyTable, FunctionKeys) {
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(Vk(SDLK_F1 + i, static_cast<SDL_Scancode>(SDL_SCANCODE_F1 + i)), 112 + i) << "F" << i + 1;
  }
}

TEST(KeyTable, KeypadDependsOnNumLock) {
  const SDL_Scancode digits[] = {SDL_SCANCODE_KP_0, SDL_SCANCODE_KP_1, SDL_SCANCODE_KP_2, SDL_SCANCODE_KP_3,
                                 SDL_SCANCODE_KP_4, SDL_SCANCODE_KP_5, SDL_SCANCODE_KP_6, SDL_SCANCODE_KP_7,
                                 SDL_SCANCODE_KP_8, SDL_SCANCODE_KP_9};
  const int withoutNumLock[] = {45, 35, 40, 34, 37, 12, 39, 36, 38, 33};
  for (int i = 0; i < 10; ++i) {
    const SDL_Keycode key = SDL_SCANCODE_TO_KEYCODE(digits[i]);
    EXPECT_EQ(Vk(key, digits[i], KMOD_NUM), 96 + i) << "keypad " << i;
    EXPECT_EQ(Vk(key, digits[i], KMOD_NONE), withoutNumLock[i]) << "keypad " << i;
  }
  EXPECT_EQ(Vk(SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, KMOD_NUM), 110);
  EXPECT_EQ(Vk(SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, KMOD_NONE), 46);
  for (const Uint16 mod : {KMOD_NONE, KMOD_NUM}) {
    EXPECT_EQ(Vk(SDLK_KP_MULTIPLY, SDL_SCANCODE_KP_MULTIPLY, mod), 106);
    EXPECT_EQ(Vk(SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS, mod), 107);
    EXPECT_EQ(Vk(SDLK_KP_MINUS, SDL_SCANCODE_KP_MINUS, mod), 109);
    EXPECT_EQ(Vk(SDLK_KP_DIVIDE, SDL_SCANCODE_KP_DIVIDE, mod), 111);
  }
}

TEST(KeyTable, PunctuationGivesTheOemCodes) {
  EXPECT_EQ(Vk(SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON), 186);
  EXPECT_EQ(Vk(SDLK_EQUALS, SDL_SCANCODE_EQUALS), 187);
  EXPECT_EQ(Vk(SDLK_COMMA, SDL_SCANCODE_COMMA), 188);
  EXPECT_EQ(Vk(SDLK_MINUS, SDL_SCANCODE_MINUS), 189);
  EXPECT_EQ(Vk(SDLK_PERIOD, SDL_SCANCODE_PERIOD), 190);
  EXPECT_EQ(Vk(SDLK_SLASH, SDL_SCANCODE_SLASH), 191);
  EXPECT_EQ(Vk(SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE), 192);
  EXPECT_EQ(Vk(SDLK_LEFTBRACKET, SDL_SCANCODE_LEFTBRACKET), 219);
  EXPECT_EQ(Vk(SDLK_BACKSLASH, SDL_SCANCODE_BACKSLASH), 220);
  EXPECT_EQ(Vk(SDLK_RIGHTBRACKET, SDL_SCANCODE_RIGHTBRACKET), 221);
  EXPECT_EQ(Vk(SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE), 222);
  EXPECT_EQ(Vk(SDLK_LESS, SDL_SCANCODE_NONUSBACKSLASH), 226);
}

TEST(KeyTable, BrazilianLayoutKeys) {
  // ABNT2: 'ç' sits where ';' is on US keyboards, ';' where '/' is, and the
  // extra '/' key next to the right Shift.
  EXPECT_EQ(Vk(0xE7, SDL_SCANCODE_SEMICOLON), 186);
  EXPECT_EQ(Vk(SDLK_SEMICOLON, SDL_SCANCODE_SLASH), 191);
  EXPECT_EQ(Vk(SDLK_SLASH, SDL_SCANCODE_INTERNATIONAL1), 193);
}

TEST(KeyTable, CommaPeriodMinusAndPlusAreFoundByCharacter) {
  // German layout: '+' right of 'Ü', '-' where '/' is on US keyboards.
  EXPECT_EQ(Vk(SDLK_PLUS, SDL_SCANCODE_RIGHTBRACKET), 187);
  EXPECT_EQ(Vk(SDLK_MINUS, SDL_SCANCODE_SLASH), 189);
  EXPECT_EQ(Vk(SDLK_PERIOD, SDL_SCANCODE_PERIOD), 190);
}

TEST(KeyTable, ShiftStateBits) {
  EXPECT_EQ(ShiftState(KMOD_NONE), 0);
  EXPECT_EQ(ShiftState(KMOD_RSHIFT), 1);
  EXPECT_EQ(ShiftState(KMOD_RCTRL), 2);
  EXPECT_EQ(ShiftState(KMOD_LALT), 4);
  EXPECT_EQ(ShiftState(KMOD_LSHIFT | KMOD_LCTRL | KMOD_LALT), 7);
  // Num Lock, Caps Lock and the logo keys are no part of the shift state.
  EXPECT_EQ(ShiftState(KMOD_NUM | KMOD_CAPS | KMOD_GUI), 0);
}

TEST(KeyTable, AltGrIsCtrlAltAndTypesItsCharacter) {
  for (const Uint16 altGr : {KMOD_RALT, KMOD_MODE}) {
    const KeyStroke e = Stroke(SDLK_e, SDL_SCANCODE_E, altGr);
    EXPECT_EQ(e.vk, 'E');
    EXPECT_EQ(e.shift, 6);
    EXPECT_TRUE(e.altGr);
    EXPECT_EQ(AccessKeyCode(e), 0);
    EXPECT_EQ(ControlCharCode(e), 0);
    EXPECT_TRUE(TypesText(e));
  }
  EXPECT_EQ(Stroke(SDLK_q, SDL_SCANCODE_Q, KMOD_RALT | KMOD_LSHIFT).shift, 7);
}

TEST(KeyTable, AltLetterOrDigitIsAnAccessKey) {
  const KeyStroke altF = Stroke(SDLK_f, SDL_SCANCODE_F, KMOD_LALT);
  EXPECT_EQ(altF.shift, 4);
  EXPECT_EQ(AccessKeyCode(altF), 'F');
  EXPECT_EQ(ControlCharCode(altF), 0);
  EXPECT_FALSE(TypesText(altF));
  EXPECT_EQ(AccessKeyCode(Stroke(SDLK_f, SDL_SCANCODE_F, KMOD_LALT | KMOD_LSHIFT)), 'F');
  EXPECT_EQ(AccessKeyCode(Stroke(SDLK_3, SDL_SCANCODE_3, KMOD_LALT)), '3');
  EXPECT_EQ(AccessKeyCode(Stroke(SDLK_F4, SDL_SCANCODE_F4, KMOD_LALT)), 0);
  EXPECT_EQ(AccessKeyCode(Stroke(SDLK_f, SDL_SCANCODE_F, KMOD_NONE)), 0);
  // Ctrl+Alt is neither an access key nor a Ctrl+letter code, and types nothing.
  const KeyStroke ctrlAlt = Stroke(SDLK_f, SDL_SCANCODE_F, KMOD_LALT | KMOD_LCTRL);
  EXPECT_EQ(AccessKeyCode(ctrlAlt), 0);
  EXPECT_EQ(ControlCharCode(ctrlAlt), 0);
  EXPECT_FALSE(TypesText(ctrlAlt));
}

TEST(KeyTable, KeysThatTypeControlCodes) {
  auto code = [](SDL_Keycode key, SDL_Scancode scancode, Uint16 mod) {
    return ControlCharCode(TranslateKey(key, scancode, mod));
  };
  EXPECT_EQ(code(SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, KMOD_NONE), 8);
  EXPECT_EQ(code(SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, KMOD_LCTRL), 127);
  EXPECT_EQ(code(SDLK_TAB, SDL_SCANCODE_TAB, KMOD_NONE), 9);
  EXPECT_EQ(code(SDLK_TAB, SDL_SCANCODE_TAB, KMOD_LSHIFT), 9);
  EXPECT_EQ(code(SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_NONE), 13);
  EXPECT_EQ(code(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, KMOD_NUM), 13);
  EXPECT_EQ(code(SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_RCTRL), 10);
  EXPECT_EQ(code(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, KMOD_NONE), 27);
  EXPECT_EQ(code(SDLK_a, SDL_SCANCODE_A, KMOD_LCTRL), 1);
  EXPECT_EQ(code(SDLK_z, SDL_SCANCODE_Z, KMOD_RCTRL), 26);
  EXPECT_EQ(code(SDLK_c, SDL_SCANCODE_C, KMOD_LCTRL | KMOD_LSHIFT), 3);
  EXPECT_EQ(code(SDLK_SPACE, SDL_SCANCODE_SPACE, KMOD_LCTRL), 32);
  // Printable keys type through the text-input event instead.
  EXPECT_EQ(code(SDLK_a, SDL_SCANCODE_A, KMOD_NONE), 0);
  EXPECT_EQ(code(SDLK_SPACE, SDL_SCANCODE_SPACE, KMOD_NONE), 0);
  EXPECT_EQ(code(SDLK_1, SDL_SCANCODE_1, KMOD_LCTRL), 0);
  EXPECT_EQ(code(SDLK_DELETE, SDL_SCANCODE_DELETE, KMOD_NONE), 0);
  EXPECT_TRUE(TypesText(TranslateKey(SDLK_a, SDL_SCANCODE_A, KMOD_LSHIFT | KMOD_CAPS)));
  EXPECT_FALSE(TypesText(TranslateKey(SDLK_1, SDL_SCANCODE_1, KMOD_LCTRL)));
}

TEST(KeyTable, KeysWithoutACodeGiveZero) {
  EXPECT_EQ(Vk(SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN), 0);
  EXPECT_EQ(Vk(SDLK_AUDIOPLAY, SDL_SCANCODE_AUDIOPLAY), 0);
}

}  // namespace
}  // namespace kelvo::win::sdl

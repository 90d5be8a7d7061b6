// The key translation table. Keys are found by their physical position
// (scancode); letters, and the punctuation keys whose virtual-key code the
// operating system assigns by character (, . - =/+), follow the layout
// (keycode), as the operating system does. The numeric keypad gives digit
// codes with Num Lock on and navigation codes with it off.

#include "platform/win/sdl/key_table.h"

#include <array>

namespace kelvo::win::sdl {
namespace {

// Virtual-key codes.
constexpr int kBack = 0x08, kTab = 0x09, kClear = 0x0C, kReturn = 0x0D;
constexpr int kShift = 0x10, kControl = 0x11, kMenu = 0x12, kPause = 0x13, kCapital = 0x14;
constexpr int kEscape = 0x1B, kSpace = 0x20, kPrior = 0x21, kNext = 0x22, kEnd = 0x23, kHome = 0x24;
constexpr int kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
constexpr int kSnapshot = 0x2C, kInsert = 0x2D, kDelete = 0x2E;
constexpr int kLWin = 0x5B, kRWin = 0x5C, kApps = 0x5D;
constexpr int kNumpad0 = 0x60, kMultiply = 0x6A, kAdd = 0x6B, kSubtract = 0x6D, kDecimal = 0x6E, kDivide = 0x6F;
constexpr int kF1 = 0x70, kNumLock = 0x90, kScroll = 0x91;
constexpr int kOem1 = 0xBA, kOemPlus = 0xBB, kOemComma = 0xBC, kOemMinus = 0xBD, kOemPeriod = 0xBE;
constexpr int kOem2 = 0xBF, kOem3 = 0xC0, kAbntC1 = 0xC1, kOem4 = 0xDB, kOem5 = 0xDC, kOem6 = 0xDD;
constexpr int kOem7 = 0xDE, kOem102 = 0xE2;

struct KeyRow {
  SDL_Scancode scancode;
  int vk;            // with Num Lock on (and for every key off the keypad)
  int vkNumLockOff;  // keypad keys with Num Lock off
};

constexpr KeyRow Key(SDL_Scancode scancode, int vk) { return {scancode, vk, vk}; }
constexpr KeyRow Pad(SDL_Scancode scancode, int vk, int vkNumLockOff) { return {scancode, vk, vkNumLockOff}; }

// Every key by position, except letters and the digit row (computed below).
constexpr std::array kKeys{
    Key(SDL_SCANCODE_BACKSPACE, kBack),
    Key(SDL_SCANCODE_TAB, kTab),
    Key(SDL_SCANCODE_CLEAR, kClear),
    Key(SDL_SCANCODE_RETURN, kReturn),
    Key(SDL_SCANCODE_RETURN2, kReturn),
    Key(SDL_SCANCODE_LSHIFT, kShift),
    Key(SDL_SCANCODE_RSHIFT, kShift),
    Key(SDL_SCANCODE_LCTRL, kControl),
    Key(SDL_SCANCODE_RCTRL, kControl),
    Key(SDL_SCANCODE_LALT, kMenu),
    Key(SDL_SCANCODE_RALT, kMenu),
    Key(SDL_SCANCODE_MODE, kMenu),
    Key(SDL_SCANCODE_PAUSE, kPause),
    Key(SDL_SCANCODE_CAPSLOCK, kCapital),
    Key(SDL_SCANCODE_ESCAPE, kEscape),
    Key(SDL_SCANCODE_SPACE, kSpace),
    Key(SDL_SCANCODE_PAGEUP, kPrior),
    Key(SDL_SCANCODE_PAGEDOWN, kNext),
    Key(SDL_SCANCODE_END, kEnd),
    Key(SDL_SCANCODE_HOME, kHome),
    Key(SDL_SCANCODE_LEFT, kLeft),
    Key(SDL_SCANCODE_UP, kUp),
    Key(SDL_SCANCODE_RIGHT, kRight),
    Key(SDL_SCANCODE_DOWN, kDown),
    Key(SDL_SCANCODE_PRINTSCREEN, kSnapshot),
    Key(SDL_SCANCODE_INSERT, kInsert),
    Key(SDL_SCANCODE_DELETE, kDelete),
    Key(SDL_SCANCODE_LGUI, kLWin),
    Key(SDL_SCANCODE_RGUI, kRWin),
    Key(SDL_SCANCODE_APPLICATION, kApps),
    Pad(SDL_SCANCODE_KP_0, kNumpad0, kInsert),
    Pad(SDL_SCANCODE_KP_1, kNumpad0 + 1, kEnd),
    Pad(SDL_SCANCODE_KP_2, kNumpad0 + 2, kDown),
    Pad(SDL_SCANCODE_KP_3, kNumpad0 + 3, kNext),
    Pad(SDL_SCANCODE_KP_4, kNumpad0 + 4, kLeft),
    Pad(SDL_SCANCODE_KP_5, kNumpad0 + 5, kClear),
    Pad(SDL_SCANCODE_KP_6, kNumpad0 + 6, kRight),
    Pad(SDL_SCANCODE_KP_7, kNumpad0 + 7, kHome),
    Pad(SDL_SCANCODE_KP_8, kNumpad0 + 8, kUp),
    Pad(SDL_SCANCODE_KP_9, kNumpad0 + 9, kPrior),
    Pad(SDL_SCANCODE_KP_PERIOD, kDecimal, kDelete),
    Key(SDL_SCANCODE_KP_MULTIPLY, kMultiply),
    Key(SDL_SCANCODE_KP_PLUS, kAdd),
    Key(SDL_SCANCODE_KP_MINUS, kSubtract),
    Key(SDL_SCANCODE_KP_DIVIDE, kDivide),
    Key(SDL_SCANCODE_KP_ENTER, kReturn),
    Key(SDL_SCANCODE_F1, kF1),
    Key(SDL_SCANCODE_F2, kF1 + 1),
    Key(SDL_SCANCODE_F3, kF1 + 2),
    Key(SDL_SCANCODE_F4, kF1 + 3),
    Key(SDL_SCANCODE_F5, kF1 + 4),
    Key(SDL_SCANCODE_F6, kF1 + 5),
    Key(SDL_SCANCODE_F7, kF1 + 6),
    Key(SDL_SCANCODE_F8, kF1 + 7),
    Key(SDL_SCANCODE_F9, kF1 + 8),
    Key(SDL_SCANCODE_F10, kF1 + 9),
    Key(SDL_SCANCODE_F11, kF1 + 10),
    Key(SDL_SCANCODE_F12, kF1 + 11),
    Key(SDL_SCANCODE_NUMLOCKCLEAR, kNumLock),
    Key(SDL_SCANCODE_SCROLLLOCK, kScroll),
    Key(SDL_SCANCODE_SEMICOLON, kOem1),
    Key(SDL_SCANCODE_EQUALS, kOemPlus),
    Key(SDL_SCANCODE_COMMA, kOemComma),
    Key(SDL_SCANCODE_MINUS, kOemMinus),
    Key(SDL_SCANCODE_PERIOD, kOemPeriod),
    Key(SDL_SCANCODE_SLASH, kOem2),
    Key(SDL_SCANCODE_GRAVE, kOem3),
    Key(SDL_SCANCODE_INTERNATIONAL1, kAbntC1),
    Key(SDL_SCANCODE_LEFTBRACKET, kOem4),
    Key(SDL_SCANCODE_BACKSLASH, kOem5),
    Key(SDL_SCANCODE_NONUSHASH, kOem5),
    Key(SDL_SCANCODE_RIGHTBRACKET, kOem6),
    Key(SDL_SCANCODE_APOSTROPHE, kOem7),
    Key(SDL_SCANCODE_NONUSBACKSLASH, kOem102),
};

// Letters follow the layout.
int LetterCode(SDL_Keycode key) { return key >= SDLK_a && key <= SDLK_z ? 'A' + (key - SDLK_a) : 0; }

// A letter key whose character lies outside ASCII (a layout without Latin
// letters) keeps the letter of its position.
int PositionLetterCode(SDL_Keycode key, SDL_Scancode scancode) {
  const bool nonAsciiCharacter = key > 0x7F && (key & SDLK_SCANCODE_MASK) == 0;
  if (!nonAsciiCharacter || scancode < SDL_SCANCODE_A || scancode > SDL_SCANCODE_Z) return 0;
  return 'A' + (scancode - SDL_SCANCODE_A);
}

// The digit row gives the digit codes whatever characters the layout puts there.
int DigitRowCode(SDL_Scancode scancode) {
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return '1' + (scancode - SDL_SCANCODE_1);
  return scancode == SDL_SCANCODE_0 ? '0' : 0;
}

// The punctuation codes the operating system gives by character on every layout.
int CharacterPunctuationCode(SDL_Keycode key) {
  switch (key) {
    case SDLK_COMMA:
      return kOemComma;
    case SDLK_PERIOD:
      return kOemPeriod;
    case SDLK_MINUS:
      return kOemMinus;
    case SDLK_EQUALS:
    case SDLK_PLUS:
      return kOemPlus;
    default:
      return 0;
  }
}

int PositionCode(SDL_Scancode scancode, bool numLock) {
  for (const KeyRow& row : kKeys) {
    if (row.scancode == scancode) return numLock ? row.vk : row.vkNumLockOff;
  }
  return 0;
}

bool IsLetter(int vk) { return vk >= 'A' && vk <= 'Z'; }
bool IsDigit(int vk) { return vk >= '0' && vk <= '9'; }

}  // namespace

bool IsAltGr(Uint16 mod) { return (mod & (KMOD_RALT | KMOD_MODE)) != 0; }

int ShiftState(Uint16 mod) {
  int shift = 0;
  if ((mod & KMOD_SHIFT) != 0) shift |= kShiftMask;
  if ((mod & KMOD_CTRL) != 0) shift |= kCtrlMask;
  if ((mod & KMOD_ALT) != 0) shift |= kAltMask;
  if (IsAltGr(mod)) shift |= kCtrlMask | kAltMask;
  return shift;
}

KeyStroke TranslateKey(SDL_Keycode key, SDL_Scancode scancode, Uint16 mod) {
  int vk = LetterCode(key);
  if (vk == 0) vk = DigitRowCode(scancode);
  if (vk == 0) vk = CharacterPunctuationCode(key);
  if (vk == 0) vk = PositionLetterCode(key, scancode);
  if (vk == 0) vk = PositionCode(scancode, (mod & KMOD_NUM) != 0);
  return {.vk = vk, .shift = ShiftState(mod), .altGr = IsAltGr(mod)};
}

int ControlCharCode(const KeyStroke& stroke) {
  if (stroke.altGr || (stroke.shift & kAltMask) != 0) return 0;
  const bool ctrl = (stroke.shift & kCtrlMask) != 0;
  switch (stroke.vk) {
    case kBack:
      return ctrl ? 127 : 8;
    case kTab:
      return ctrl ? 0 : 9;
    case kReturn:
      return ctrl ? 10 : 13;
    case kEscape:
      return ctrl ? 0 : 27;
    case kSpace:
      return ctrl ? 32 : 0;  // without Ctrl the text-input event types it
    default:
      return ctrl && IsLetter(stroke.vk) ? stroke.vk - 'A' + 1 : 0;
  }
}

int AccessKeyCode(const KeyStroke& stroke) {
  if (stroke.altGr || (stroke.shift & (kCtrlMask | kAltMask)) != kAltMask) return 0;
  return IsLetter(stroke.vk) || IsDigit(stroke.vk) ? stroke.vk : 0;
}

bool TypesText(const KeyStroke& stroke) { return stroke.altGr || (stroke.shift & (kCtrlMask | kAltMask)) == 0; }

}  // namespace kelvo::win::sdl

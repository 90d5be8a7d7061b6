#pragma once
// The keyboard as the container expects it: an SDL key event (keycode,
// scancode, modifiers) becomes a virtual-key code and a shift state, and the
// rules that follow from them say which key press codes and access keys the
// stroke produces.
//
// AltGr (the right Alt key, or the Mode key) counts as Ctrl+Alt, as the
// operating system reports it; with AltGr the text-input character is typed as
// a key press, never taken for an access key or a Ctrl+letter code.

#include <SDL2/SDL_keyboard.h>

namespace kelvo::win::sdl {

inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

struct KeyStroke {
  int vk = 0;          // virtual-key code; 0 for a key without one
  int shift = 0;       // kShiftMask | kCtrlMask | kAltMask
  bool altGr = false;  // the Alt in `shift` is AltGr (Ctrl+Alt)
  friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

bool IsAltGr(Uint16 mod);
// 1 Shift, 2 Ctrl, 4 Alt; AltGr is Ctrl+Alt.
int ShiftState(Uint16 mod);
KeyStroke TranslateKey(SDL_Keycode key, SDL_Scancode scancode, Uint16 mod);

// The key press code the stroke types by itself, without a text-input event:
// Backspace 8 (Ctrl: 127), Tab 9, Enter 13 (Ctrl: 10), Escape 27,
// Ctrl+Space 32, Ctrl+letter 1..26; 0 for none.
int ControlCharCode(const KeyStroke& stroke);
// Alt+letter or Alt+digit: the upper-case character of the access key; 0 for none.
int AccessKeyCode(const KeyStroke& stroke);
// Whether a text-input event typed with the stroke becomes key presses:
// not while Ctrl or Alt is held, except as AltGr.
bool TypesText(const KeyStroke& stroke);

}  // namespace kelvo::win::sdl

// Keys go to the focus window. Alt+letter goes to the top-level window as an
// access key after the KeyDown, as the operating system posts it after the
// key message. Keys that type a control code (Backspace, Tab, Enter, Escape,
// Ctrl+letter) get their key press from the key itself; printable characters
// come from the text-input event, unless Ctrl or Alt (not AltGr) is held.

#include "platform/win/sdl/keyboard_input.h"

#include "platform/win/sdl/key_table.h"
#include "platform/win/sdl/text_input.h"

namespace kelvo::win::sdl {

HWND KeyboardInput::KeyTarget() const { return ws_.Focus() != 0 ? ws_.Focus() : ws_.Active(); }

void KeyboardInput::Deliver(const Message& message) {
  if (const HWND target = KeyTarget()) ws_.Send(target, message);
}

void KeyboardInput::KeyDown(const SDL_Keysym& key) {
  const KeyStroke stroke = TranslateKey(key.sym, key.scancode, key.mod);
  typesText_ = TypesText(stroke);
  if (stroke.vk == 0) return;
  Deliver({.type = Msg::KeyDown, .a = stroke.vk, .b = stroke.shift});
  if (const int access = AccessKeyCode(stroke)) {
    const HWND top = ws_.Active() != 0 ? ws_.Active() : ws_.TopLevel(ws_.Focus());
    if (top != 0) ws_.Send(top, {.type = Msg::AccessKey, .a = access});
  } else if (const int code = ControlCharCode(stroke)) {
    Deliver({.type = Msg::Char, .a = code});
  }
}

void KeyboardInput::KeyUp(const SDL_Keysym& key) {
  const KeyStroke stroke = TranslateKey(key.sym, key.scancode, key.mod);
  // Text can also come without a key down (an input method, a composed
  // character); it follows the modifiers as they are after this release.
  typesText_ = TypesText(stroke);
  if (stroke.vk != 0) Deliver({.type = Msg::KeyUp, .a = stroke.vk, .b = stroke.shift});
}

void KeyboardInput::TextInput(std::string_view utf8) {
  if (!typesText_) return;
  for (const std::uint8_t code : TypedCodes(utf8)) Deliver({.type = Msg::Char, .a = code});
}

}  // namespace kelvo::win::sdl

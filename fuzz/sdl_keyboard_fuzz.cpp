// The SDL backend's keyboard on arbitrary key events and text-input bytes
// (text comes from input methods and the X server): every key press it
// delivers is a code page 1252 code that was typed or a control code a key
// types, and nothing it is given makes it fail.
#include <SDL2/SDL_keyboard.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/win/sdl/keyboard_input.h"
#include "platform/win/window_system.h"

namespace {

using namespace kelvo::win;

std::uint32_t Take(const std::uint8_t*& data, std::size_t& size, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes && size > 0; ++i, ++data, --size) v |= std::uint32_t{*data} << (8 * i);
  return v;
}

void CheckChar(HWND, const Message& m) {
  if (m.type == Msg::Char && (m.a < 1 || m.a > 0xFF)) std::abort();
  if (m.type == Msg::AccessKey && !((m.a >= 'A' && m.a <= 'Z') || (m.a >= '0' && m.a <= '9'))) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WindowSystem ws;
  WindowCreate form;
  form.kind = WindowKind::TopLevel;
  form.rect = {0, 0, 100, 100};
  form.proc = CheckChar;
  const HWND top = ws.Create(form);
  WindowCreate edit;
  edit.parent = top;
  edit.rect = {0, 0, 50, 20};
  edit.proc = CheckChar;
  ws.SetFocus(ws.Create(edit));
  kelvo::win::sdl::KeyboardInput keyboard(ws);
  while (size > 0) {
    const std::uint32_t op = Take(data, size, 1) % 3;
    if (op == 2) {
      const std::size_t length = std::min<std::size_t>(Take(data, size, 1) % 32, size);
      keyboard.TextInput(std::string_view(reinterpret_cast<const char*>(data), length));
      data += length;
      size -= length;
      continue;
    }
    SDL_Keysym key{};
    key.sym = static_cast<SDL_Keycode>(Take(data, size, 4));
    key.scancode = static_cast<SDL_Scancode>(Take(data, size, 2) % SDL_NUM_SCANCODES);
    key.mod = static_cast<Uint16>(Take(data, size, 2));
    if (op == 0) {
      keyboard.KeyDown(key);
    } else {
      keyboard.KeyUp(key);
    }
  }
  return 0;
}

#pragma once
// The caret on screen: an inverted bar of the size it was created with, at its
// position in its window, blinking at the system rate while shown.

#include <cstdint>

#include "platform/gfx/image.h"
#include "platform/win/window_system.h"

namespace kelvo::win::sdl {

class CaretBlink {
 public:
  static constexpr std::uint64_t kBlinkMs = 530;

  // The caret was created, moved, shown or hidden: it shows at once and
  // blinks from now on, as the operating system restarts the blink.
  void Restart(std::uint64_t now);
  // Turns the caret on or off when its half period is over.
  void Tick(std::uint64_t now);
  std::uint64_t NextToggle() const { return nextToggle_; }
  bool Lit() const { return lit_; }

 private:
  bool lit_ = true;
  std::uint64_t nextToggle_ = kBlinkMs;
};

// Inverts the caret into the composed picture of the window `root` when the
// caret is shown, `lit`, and inside `root`; clipped to its window and the
// windows that window lives in.
void DrawCaret(gfx::Image& picture, const WindowSystem& ws, HWND root, bool lit);

}  // namespace kelvo::win::sdl

#include "klvctl32/editfield/edit_caret.h"

#include <algorithm>
#include <cmath>

#include "platform/win/user32.h"
#include "platform/win/window_system.h"

namespace kelvo::klvctl32 {

int RoundPixels(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::clamp(std::nearbyint(value), -1.0e9, 1.0e9));
}

void CreateFieldCaret(win::HWND window, const gfx::Surface& surface, double twipsPerPixelY) {
  const int height = RoundPixels(surface.TextHeight(u"M") / twipsPerPixelY);
  user32::CreateCaret(window, 0, 1, height);
}

bool WindowHasFocus(win::HWND window) { return window != 0 && user32::GetFocus() == window; }

void DestroyOwnCaret(win::HWND window) {
  if (window == 0 || win::WindowSystem::Get().Caret().window != window) return;
  user32::HideCaret(window);
  user32::DestroyCaret();
}

}  // namespace kelvo::klvctl32

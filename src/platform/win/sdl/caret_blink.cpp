#include "platform/win/sdl/caret_blink.h"

#include <algorithm>

namespace kelvo::win::sdl {
namespace {

RECT Intersect(const RECT& a, const RECT& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// Where a window can be seen on the screen: its rectangle within every parent.
RECT VisibleScreenRect(const WindowSystem& ws, HWND hwnd, HWND root) {
  RECT visible = ws.ScreenRect(hwnd);
  for (HWND h = hwnd; h != root && h != 0;) {
    h = ws.Parent(h);
    if (h != 0) visible = Intersect(visible, ws.ScreenRect(h));
  }
  return visible;
}

}  // namespace

void CaretBlink::Restart(std::uint64_t now) {
  lit_ = true;
  nextToggle_ = now + kBlinkMs;
}

void CaretBlink::Tick(std::uint64_t now) {
  if (now < nextToggle_) return;
  lit_ = !lit_;
  // After a long pause the blink goes on from now instead of catching up.
  nextToggle_ = nextToggle_ + kBlinkMs > now ? nextToggle_ + kBlinkMs : now + kBlinkMs;
}

void DrawCaret(gfx::Image& picture, const WindowSystem& ws, HWND root, bool lit) {
  const CaretState caret = ws.Caret();
  if (!lit || !caret.Shown() || ws.TopLevel(caret.window) != root || !ws.IsVisible(caret.window)) return;
  const RECT rootRect = ws.ScreenRect(root);
  const RECT windowRect = ws.ScreenRect(caret.window);
  const RECT bar{windowRect.left + caret.x, windowRect.top + caret.y, windowRect.left + caret.x + caret.width,
                 windowRect.top + caret.y + caret.height};
  const RECT shown = Intersect(Intersect(bar, VisibleScreenRect(ws, caret.window, root)), rootRect);
  for (int y = shown.top; y < shown.bottom; ++y) {
    for (int x = shown.left; x < shown.right; ++x) {
      const int px = x - rootRect.left, py = y - rootRect.top;
      if (picture.Contains(px, py)) picture.Set(px, py, picture.At(px, py) ^ 0x00FFFFFFu);
    }
  }
}

}  // namespace kelvo::win::sdl

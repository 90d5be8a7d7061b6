// Composing a window with its children, the way the screen shows them.

#include "platform/win/compose.h"

#include <algorithm>

#include "platform/win/window_system.h"

namespace kelvo::win {
namespace {

constexpr std::uint32_t kAlphaShift = 24;

std::uint32_t Blend(std::uint32_t over, std::uint32_t under) {
  const std::uint32_t a = over >> kAlphaShift;
  if (a == 0xFF) return over;
  if (a == 0) return under;
  std::uint32_t out = 0xFF000000u;
  for (const int shift : {16, 8, 0}) {
    const std::uint32_t o = (over >> shift) & 0xFF;
    const std::uint32_t u = (under >> shift) & 0xFF;
    out |= ((o * a + u * (0xFF - a) + 0x7F) / 0xFF) << shift;
  }
  return out;
}

RECT Intersect(const RECT& a, const RECT& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// Draws `hwnd` and its shown children into `target` with its top-left at
// (x, y), inside `clip` (a child shows only within its parent).
void DrawInto(WindowSystem& ws, HWND hwnd, gfx::Image& target, int x, int y, const RECT& clip) {
  const gfx::Image& own = ws.SurfaceOf(hwnd).image();
  const RECT area = Intersect(clip, {x, y, x + own.width(), y + own.height()});
  for (int ty = area.top; ty < area.bottom; ++ty) {
    for (int tx = area.left; tx < area.right; ++tx) {
      target.Set(tx, ty, Blend(own.At(tx - x, ty - y), target.At(tx, ty)));
    }
  }
  for (const HWND child : ws.Children(hwnd)) {
    if (!ws.IsShown(child)) continue;
    const RECT r = ws.ClientRect(child);
    DrawInto(ws, child, target, x + r.left, y + r.top, area);
  }
}

}  // namespace

gfx::Image ComposeWindow(HWND hwnd) {
  WindowSystem& ws = WindowSystem::Get();
  if (!ws.IsWindow(hwnd)) return {};
  const gfx::Image& own = ws.SurfaceOf(hwnd).image();
  gfx::Image out(own.width(), own.height());
  DrawInto(ws, hwnd, out, 0, 0, {0, 0, own.width(), own.height()});
  return out;
}

}  // namespace kelvo::win

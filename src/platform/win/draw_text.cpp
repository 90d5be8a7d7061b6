// user32's text and focus-rectangle drawing: thin wrappers that find the
// surface of a device context and draw on it with the gfx module.

#include <cstring>

#include "platform/base/text.h"
#include "platform/gfx/draw_text.h"
#include "platform/win/user32.h"
#include "platform/win/window_system.h"

namespace user32 {
namespace {

namespace tf = kelvo::gfx::textformat;
static_assert(DT_LEFT == tf::kLeft && DT_CENTER == tf::kCenter && DT_RIGHT == tf::kRight &&
              DT_VCENTER == tf::kVCenter && DT_BOTTOM == tf::kBottom && DT_WORDBREAK == tf::kWordBreak &&
              DT_SINGLELINE == tf::kSingleLine && DT_NOCLIP == tf::kNoClip && DT_CALCRECT == tf::kCalcRect &&
              DT_NOPREFIX == tf::kNoPrefix);

kelvo::gfx::Surface* SurfaceOfDC(HDC dc) {
  auto& ws = kelvo::win::WindowSystem::Get();
  const HWND hwnd = ws.FromDC(dc);
  return ws.IsWindow(hwnd) ? &ws.SurfaceOf(hwnd) : nullptr;
}

kelvo::gfx::RectPx ToRectPx(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

int DrawTextA(HDC dc, const char* text, int count, RECT* rect, UINT format) {
  if (text == nullptr || rect == nullptr || count < -1) return 0;
  kelvo::gfx::Surface* surface = SurfaceOfDC(dc);
  if (surface == nullptr) return 0;
  const std::size_t length = count == -1 ? std::strlen(text) : static_cast<std::size_t>(count);
  kelvo::gfx::RectPx r = ToRectPx(*rect);
  const int height = kelvo::gfx::DrawTextOn(*surface, kelvo::text::FromAnsi(std::string_view(text, length)), r, format);
  if ((format & DT_CALCRECT) != 0) *rect = {r.left, r.top, r.right, r.bottom};
  return height;
}

BOOL DrawFocusRect(HDC dc, const RECT* rect) {
  if (rect == nullptr) return 0;
  kelvo::gfx::Surface* surface = SurfaceOfDC(dc);
  if (surface == nullptr) return 0;
  kelvo::gfx::DrawFocusRectOn(*surface, ToRectPx(*rect));
  return 1;
}

}  // namespace user32

// The operating system's window calls, forwarded to the process's window
// system with the operating system's results.

#include "platform/win/user32.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/win/window_system.h"

namespace user32 {
namespace {

using kelvo::win::WindowKind;
using kelvo::win::WindowSystem;

WindowSystem& Ws() { return WindowSystem::Get(); }

std::int32_t SaturatedSum(int a, int b) {
  const std::int64_t sum = static_cast<std::int64_t>(a) + b;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

enum class ShowCommand { Hide, ShowQuietly, ShowAndActivate, Unknown };

ShowCommand ShowCommandOf(int cmdShow) {
  switch (cmdShow) {
    case 0:  // SW_HIDE
      return ShowCommand::Hide;
    case 2:  // SW_SHOWMINIMIZED: no minimized state is kept
    case 4:  // SW_SHOWNOACTIVATE
    case 6:  // SW_MINIMIZE
    case 7:  // SW_SHOWMINNOACTIVE
    case 8:  // SW_SHOWNA
      return ShowCommand::ShowQuietly;
    case 1:   // SW_SHOWNORMAL
    case 3:   // SW_SHOWMAXIMIZED
    case 5:   // SW_SHOW
    case 9:   // SW_RESTORE
    case 10:  // SW_SHOWDEFAULT
      return ShowCommand::ShowAndActivate;
    default:
      return ShowCommand::Unknown;
  }
}

// True when the calling thread's caret exists and belongs to `hwnd` (0: any window).
bool OwnsCaret(HWND hwnd) {
  const HWND owner = Ws().Caret().window;
  return owner != 0 && (hwnd == 0 || hwnd == owner);
}

}  // namespace

HWND GetActiveWindow() { return Ws().Active(); }

HWND GetFocus() { return Ws().Focus(); }

HWND SetFocus(HWND hwnd) { return Ws().SetFocus(hwnd); }

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  if (!Ws().IsWindow(hwnd)) return 0;
  const BOOL wasDisabled = Ws().IsEnabled(hwnd) ? 0 : 1;
  Ws().Enable(hwnd, enable != 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) { return Ws().IsEnabled(hwnd) ? 1 : 0; }

HWND SetCapture(HWND hwnd) { return Ws().SetCapture(hwnd); }

BOOL ReleaseCapture() {
  Ws().ReleaseCapture();
  return 1;
}

HWND GetCapture() { return Ws().Capture(); }

BOOL GetCursorPos(POINT* point) {
  if (point == nullptr) return 0;
  *point = Ws().CursorPos();
  return 1;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
  if (rect == nullptr || !Ws().IsWindow(hwnd)) return 0;
  *rect = Ws().ScreenRect(hwnd);
  return 1;
}

// Surfaces are retained, so `repaint` asks for nothing more.
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL /*repaint*/) {
  if (!Ws().IsWindow(hwnd)) return 0;
  Ws().Move(hwnd, {x, y, SaturatedSum(x, width), SaturatedSum(y, height)});
  return 1;
}

BOOL ShowWindow(HWND hwnd, int cmdShow) {
  if (!Ws().IsWindow(hwnd)) return 0;
  const BOOL wasVisible = Ws().IsShown(hwnd) ? 1 : 0;
  switch (ShowCommandOf(cmdShow)) {
    case ShowCommand::Hide:
      Ws().Show(hwnd, false);
      break;
    case ShowCommand::ShowQuietly:
      Ws().Show(hwnd, true);
      break;
    case ShowCommand::ShowAndActivate:
      Ws().Show(hwnd, true);
      if (Ws().TopLevel(hwnd) == hwnd) Ws().Activate(hwnd);
      break;
    case ShowCommand::Unknown:
      break;
  }
  return wasVisible;
}

// The caret is a solid block of the given size; a bitmap shape is not kept.
BOOL CreateCaret(HWND hwnd, HBITMAP /*bitmap*/, int width, int height) {
  if (!Ws().IsWindow(hwnd)) return 0;
  Ws().CreateCaret(hwnd, width, height);
  return 1;
}

BOOL SetCaretPos(int x, int y) {
  if (!OwnsCaret(0)) return 0;
  Ws().SetCaretPos(x, y);
  return 1;
}

BOOL ShowCaret(HWND hwnd) {
  if (!OwnsCaret(hwnd)) return 0;
  Ws().ShowCaret(hwnd);
  return 1;
}

BOOL HideCaret(HWND hwnd) {
  if (!OwnsCaret(hwnd)) return 0;
  Ws().HideCaret(hwnd);
  return 1;
}

BOOL DestroyCaret() {
  if (!OwnsCaret(0)) return 0;
  Ws().DestroyCaret();
  return 1;
}

BOOL MessageBeep(UINT /*type*/) {
  Ws().Beep();
  return 1;
}

}  // namespace user32

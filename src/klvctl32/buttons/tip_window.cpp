#include "klvctl32/buttons/tip_window.h"

#include <algorithm>
#include <string>

#include "klvctl32/host/twips16.h"
#include "platform/win/user32.h"
#include "platform/win/window_system.h"

namespace kelvo::klvctl32 {
namespace {

constexpr int kShowNoActivate = 4;

// Moves a rectangle left or up just enough to lie on the screen; a tip
// larger than the screen keeps its left or top edge on it.
win::RECT KeptOnScreen(win::RECT r, const win::RECT& screen) {
  const int dx = std::max(std::min(screen.right - r.right, 0), screen.left - r.left);
  const int dy = std::max(std::min(screen.bottom - r.bottom, 0), screen.top - r.top);
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

}  // namespace

TipForm& frmTip() {
  // Never destroyed: buttons may still close it while the process ends.
  static TipForm* const tip = new TipForm;
  return *tip;
}

void TipForm::ShowTip(std::u16string_view text) {
  if (!TipEnabled) return;
  window_.Close();
  win::WindowSystem& ws = win::WindowSystem::Get();
  const win::POINT cursor = ws.CursorPos();
  const win::RECT at{cursor.x, cursor.y + kBelowCursorPx, cursor.x + 1, cursor.y + kBelowCursorPx + 1};
  window_.Open(at, std::u16string(text), [this](win::HWND, const win::Message& m) {
    if (m.type == win::Msg::MouseMove) HideTip();
  });
  const gfx::Surface& measure = window_.Surface();
  const int px = measure.twipsPerPixelX();
  const int py = measure.twipsPerPixelY();
  const double height = measure.TextHeight(u"I") + 4.0 * py;
  const double width = measure.TextWidth(text) + 4.0 * px;
  const int widthPx = RoundTwips(width / px);
  const int heightPx = RoundTwips(height / py);
  const win::RECT place =
      KeptOnScreen({at.left, at.top, at.left + widthPx, at.top + heightPx}, win::ToolWindow::ScreenBounds(cursor));
  user32::MoveWindow(window_.Handle(), place.left, place.top, widthPx, heightPx, 1);
  DrawTip(text, px, py);
  user32::ShowWindow(window_.Handle(), kShowNoActivate);
}

// The outline runs along the window's edges; the text starts 2 pixels in and
// 1 pixel down.
void TipForm::DrawTip(std::u16string_view text, int px, int py) {
  gfx::Surface& s = window_.Surface();
  s.SetBackColor(kTipBackColor);
  s.Box(0, 0, s.ScaleWidth() - px, s.ScaleHeight() - py, kTipTextColor);
  s.SetForeColor(kTipTextColor);
  s.SetCurrentX(2.0 * px);
  s.SetCurrentY(1.0 * py);
  s.Print(text);
}

}  // namespace kelvo::klvctl32

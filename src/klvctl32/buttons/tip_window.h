#pragma once
// frmTip: the one tooltip window of the process, shared by every button and
// created on first use. ShowTip opens it anew below the pointer with the
// text, in the tooltip colours inside an outline, without activating it;
// HideTip, or the pointer moving onto it, closes it. While TipEnabled is
// false, ShowTip does nothing (the buttons clear it while they raise Click).

#include <string_view>

#include "platform/win/tool_window.h"

namespace kelvo::klvctl32 {

class TipForm {
 public:
  static constexpr int kBelowCursorPx = 19;
  static constexpr gfx::OleColor kTipBackColor = 0x80000018u;
  static constexpr gfx::OleColor kTipTextColor = 0x80000017u;

  void ShowTip(std::u16string_view text);
  void HideTip() { window_.Close(); }
  bool IsShown() const { return window_.IsOpen(); }

  bool TipEnabled = true;

 private:
  void DrawTip(std::u16string_view text, int twipsPerPixelX, int twipsPerPixelY);

  win::ToolWindow window_;
};

// The process's tip window.
TipForm& frmTip();

}  // namespace kelvo::klvctl32

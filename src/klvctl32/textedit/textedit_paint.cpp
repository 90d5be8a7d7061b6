// KelvoTextEdit's picture: background, drop shadow, flat or sunken frame, the
// text in the colour of its state, and the selection box over it.
#include <algorithm>

#include "klvctl32/textedit/string_slices.h"
#include "klvctl32/textedit/textedit.h"
#include "platform/com/error.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

namespace {

constexpr gfx::OleColor kBlack = 0;
constexpr gfx::OleColor kButtonFace = 0x8000000Fu;
constexpr gfx::OleColor kButtonShadow = 0x80000010u;
constexpr gfx::OleColor kGrayText = 0x80000011u;
constexpr gfx::OleColor kButtonHighlight = 0x80000014u;
constexpr gfx::OleColor kHighlightText = 0x8000000Eu;
constexpr int kShadowPx = 5;

}  // namespace

void KelvoTextEdit::RedrawText() {
  gfx::Surface& surface = Surface();
  surface.Clear();
  double w = surface.ScaleWidth();
  double h = surface.ScaleHeight();
  if (shadow_) {
    surface.FilledBox(Px(kShadowPx), Py(kShadowPx), w, h, shadowColor_);
    w -= Px(kShadowPx);
    h -= Py(kShadowPx);
  }
  surface.FilledBox(0, 0, w - Px(1), h - Py(1), backColor_);
  FormatAndPrint();
  if (border3D_) {
    DrawEditFrame(0, 0, w - Px(1), h - Py(1), kButtonShadow, kButtonHighlight);
    DrawEditFrame(Px(1), Py(1), w - Px(2), h - Py(2), kBlack, kButtonFace);
  } else {
    DrawEditFrame(0, 0, w - Px(1), h - Py(1), kBlack, kBlack);
  }
}

void KelvoTextEdit::FormatAndPrint() {
  user32::EnableWindow(Window(), enabled_ ? 1 : 0);
  const TextEditState& s = model_.State();
  Surface().SetForeColor(!enabled_ ? disabledColor_ : s.Locked ? lockedColor_ : foreColor_);
  if (!s.Mask.empty()) model_.FormatText();
  PrintText();
}

// The text at run time, the design template while the form is designed.
void KelvoTextEdit::PrintText() {
  const TextEditState& s = model_.State();
  if (s.Pasting) return;
  gfx::Surface& surface = Surface();
  surface.SetCurrentX(Px(LeftText));
  surface.SetCurrentY(Py(TopText));
  surface.Print(Site().AmbientUserMode() ? s.StoredText : model_.DesignTemplate());
}

// c1 for the top and left edges, c2 for the bottom and right; each line leaves
// out its end point.
void KelvoTextEdit::DrawEditFrame(double x1, double y1, double x2, double y2, gfx::OleColor c1, gfx::OleColor c2) {
  gfx::Surface& surface = Surface();
  surface.Line(x1, y1, x2, y1, c1);
  surface.Line(x1, y2, x2 + Px(1), y2, c2);
  surface.Line(x1, y1, x1, y2 + Py(1), c1);
  surface.Line(x2, y1, x2, y2, c2);
}

bool KelvoTextEdit::FontBold() const { return Surface().Font().bold; }

void KelvoTextEdit::DrawSelectionRange(std::int16_t start16, std::int16_t len16) {
  const TextEditState& s = model_.State();
  int start = start16;
  int len = len16;
  if (len < 0) {
    start += len;
    len = -len;
  }
  const int textLen = Len(s.StoredText);
  if (textLen == 0 || start > textLen || len == 0) return;
  start = std::max(start, model_.FirstEditablePos() - 1);
  len = std::min(len, textLen - start);
  gfx::Surface& surface = Surface();
  const bool bold = FontBold();
  const double x1 = surface.TextWidth(LeftChars(s.StoredText, start)) + Px(bold && start > 0 ? 2 : 3);
  const std::u16string sel = MidChars(s.StoredText, start + 1, len);
  const double x2 = x1 + surface.TextWidth(sel) - Px(bold ? 2 : 1);
  const double y1 = Py(TopText);
  const double y2 = surface.TextHeight(u"M") + Py(bold ? TopText : TopText - 1);
  DrawSelectionBox(x1, y1, x2, y2);
  surface.SetForeColor(kHighlightText);
  surface.SetCurrentX(x1);
  surface.SetCurrentY(y1);
  surface.Print(sel);
  surface.SetForeColor(enabled_ ? foreColor_ : kGrayText);
}

// A flat box in SelectColor, or a raised button-like one.
void KelvoTextEdit::DrawSelectionBox(double x1, double y1, double x2, double y2) {
  Surface().FilledBox(x1, y1, x2, y2, selection3D_ ? kButtonFace : selectColor_);
  if (selection3D_) DrawEditFrame(x1 - Px(1), y1, x2 + Px(1), y2 + Py(1), kButtonHighlight, kButtonShadow);
}

// Repaints and remembers the active window; errors are ignored.
void KelvoTextEdit::Show() {
  try {
    RedrawText();
    RememberFormWindow(watch_);
  } catch (const com::Error&) {
    // Show ignores errors, as the control always did.
  }
}

void KelvoTextEdit::Paint() { Show(); }

void KelvoTextEdit::Resize() { RedrawText(); }

}  // namespace kelvo::klvctl32

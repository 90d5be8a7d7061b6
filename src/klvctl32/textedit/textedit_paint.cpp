// KelvoTextEdit's picture: background, drop shadow, flat or sunken frame, the
// text in the colour of its state, and the selection box over it.
#include <algorithm>

#include "klvctl32/textedit/string_slices.h"
#include "klvctl32/textedit/textedit.h"
#include "platform/com/error.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

namespace {

constexpr gfx::OleColor kButtonFace = 0x8000000Fu;
constexpr gfx::OleColor kGrayText = 0x80000011u;
constexpr gfx::OleColor kHighlightText = 0x8000000Eu;

}  // namespace

void KelvoTextEdit::RedrawText() {
  const TwipsPair field = PaintFieldBackground(Surface(), shadow_, shadowColor_, backColor_, OnePixel());
  FormatAndPrint();
  DrawFieldBorder(Surface(), border3D_, field, OnePixel(), OnePixel());
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
  if (selection3D_) DrawRaisedFrame(Surface(), x1, y1, x2, y2, OnePixel(), OnePixel());
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

// KelvoNumberEdit's picture: background, shadow band, the right-aligned
// number in the colour of its state, the caret at its right end, the border,
// the whole-number highlight and the design-time preview.
#include <string>
#include <utility>

#include "klvctl32/editfield/edit_caret.h"
#include "klvctl32/host/twips16.h"
#include "klvctl32/numberedit/numberedit.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

namespace {

constexpr gfx::OleColor kHighlight = 0x8000000Du;
constexpr gfx::OleColor kHighlightText = 0x8000000Eu;
constexpr int kTopPx = 3;
// The number's frames reach 10 twips past their corners at any resolution.
constexpr TwipsPair kFrameEnds{10, 10};

}  // namespace

double KelvoNumberEdit::RightMargin() const { return (shadow_ ? 10 : 5) * static_cast<double>(PxX()); }

// Disabled over locked over negative.
gfx::OleColor KelvoNumberEdit::TextColour() const {
  if (!enabled_) return disabledColor_;
  if (model_.State().Locked) return lockedColor_;
  if (model_.State().Text.find(u'-') != std::u16string::npos) return negativeColor_;
  return foreColor_;
}

// While a paste feeds its characters nothing is drawn (the text would not be
// shown anyway): the paste redraws the whole field once when it ends.
void KelvoNumberEdit::RedrawNumber(bool normalize) {
  NumberEditState& s = model_.State();
  if (s.Pasting) {
    if (normalize) s.Text = NormalizeNumberText(s);
    return;
  }
  gfx::Surface& surface = Surface();
  const TwipsPair field = PaintFieldBackground(surface, shadow_, shadowColor_, backColor_, OnePixel());
  surface.SetForeColor(TextColour());
  const std::u16string shown = FormatNumberForDisplay(s, s.Text, normalize);
  surface.SetCurrentY(MulTwips(kTopPx, PxY()));
  surface.SetCurrentX(RoundTwips(surface.ScaleWidth() - surface.TextWidth(shown) - RightMargin()));
  surface.Print(shown);
  if (WindowHasFocus(Window())) PlaceCaretAtEnd();
  if (enabled_) user32::ShowCaret(Window());
  DrawFieldBorder(surface, border3D_, field, OnePixel(), kFrameEnds);
}

void KelvoNumberEdit::PlaceCaretAtEnd() {
  const double right = Surface().ScaleWidth() - (shadow_ ? 9 : 4) * static_cast<double>(PxX());
  user32::SetCaretPos(RoundPixels(right / PxX()), kTopPx);
}

void KelvoNumberEdit::DrawSelection() {
  gfx::Surface& surface = Surface();
  NumberEditState& s = model_.State();
  const std::u16string shown = FormatNumberForDisplay(s, s.Text, false);
  const double inner = surface.ScaleWidth();
  const Twips16 left = RoundTwips(inner - surface.TextWidth(shown) - RightMargin());
  const Twips16 top = MulTwips(kTopPx, PxY());
  const Twips16 right = RoundTwips(inner - (shadow_ ? 9 : 4) * static_cast<double>(PxX()));
  const Twips16 bottom = AddTwips(RoundTwips(surface.TextHeight(s.Text) - PxY()), top);
  surface.FilledBox(left, top, right, bottom, kHighlight);
  if (selection3D_) DrawRaisedFrame(surface, left, top, right, bottom, OnePixel(), kFrameEnds);
  surface.SetForeColor(kHighlightText);
  surface.SetCurrentY(top);
  surface.SetCurrentX(left);
  surface.Print(s.ThSeparator ? shown : s.Text);
}

// The largest number the limits allow, negative when the sign keys work.
void KelvoNumberEdit::DrawDesignSample() {
  NumberEditState& s = model_.State();
  std::u16string sample = s.AllowNegative ? u"-" : u"";
  sample.append(static_cast<std::size_t>(IntDigits(s)), u'9');
  if (DecPlaces(s) >= 1) sample += s.DecSepChar + std::u16string(static_cast<std::size_t>(DecPlaces(s)), u'9');
  std::u16string kept = std::exchange(s.Text, std::move(sample));
  try {
    RedrawNumber(false);
  } catch (...) {
    s.Text = std::move(kept);
    throw;
  }
  s.Text = std::move(kept);
}

void KelvoNumberEdit::Show() {
  if (Site().AmbientUserMode()) {
    RedrawNumber(true);
  } else {
    DrawDesignSample();
  }
  RememberFormWindow(watch_);
}

void KelvoNumberEdit::Paint() { Show(); }

void KelvoNumberEdit::Resize() {
  if (Site().AmbientUserMode()) {
    RedrawNumber(false);
  } else {
    DrawDesignSample();
  }
}

}  // namespace kelvo::klvctl32

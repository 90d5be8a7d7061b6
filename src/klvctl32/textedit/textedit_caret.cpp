// KelvoTextEdit's caret and focus: the caret's geometry, getting and losing
// the focus, and the focus engine's protocol.
#include "klvctl32/editfield/edit_caret.h"
#include "klvctl32/host/twips16.h"
#include "klvctl32/textedit/narrow16.h"
#include "klvctl32/textedit/string_slices.h"
#include "klvctl32/textedit/textedit.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

// The caret stands after the measured text before it (3 pixels on, 2 for a
// bold font); LeftText does not enter. Returns its x in twips.
std::int16_t KelvoTextEdit::PlaceCaret() {
  const TextEditState& s = model_.State();
  int x = 3;
  if (s.CursorPos > 0) {
    const double measured = Surface().TextWidth(LeftChars(s.StoredText, s.CursorPos)) / tppX_;
    x = RoundPixels(measured + (FontBold() ? 2 : 3));
  }
  user32::SetCaretPos(x, TopText);
  user32::ShowCaret(Window());
  return RoundTwips(static_cast<double>(x) * tppX_);
}

bool KelvoTextEdit::RawTextBlank() const { return model_.IsEmpty(); }

void KelvoTextEdit::GotFocus() {
  hasFocus_ = true;
  user32::EnableWindow(Window(), enabled_ ? 1 : 0);
  TextEditState& s = model_.State();
  const int first = model_.FirstEditablePos() - 1;
  if (s.CursorPos < 0) s.CursorPos = Narrow16(first);
  if (RawTextBlank()) s.CursorPos = Narrow16(first);
  CreateFieldCaret(Window(), Surface(), tppY_);
  RedrawText();
  if (IsBlank(s.StoredText)) model_.SetPosition(0);
  model_.AutoSelectOnFocus();
  if (skipCaretPlace_) {
    skipCaretPlace_ = false;
  } else {
    PlaceCaret();
  }
}

void KelvoTextEdit::LostFocus() {
  hasFocus_ = false;
  user32::HideCaret(Window());
  user32::HideCaret(Window());
  model_.ClearSelection();
  model_.CompleteOnLeave();
  RedrawText();
  skipCaretPlace_ = false;
}

void KelvoTextEdit::ToKelvoEnginer() {
  RunFocusProtocol(Site(), enabled_, watch_, [this] { LostFocus(); });
}

void KelvoTextEdit::XFocus() {
  GotFocus();
  Site().SetFocus();
}

}  // namespace kelvo::klvctl32

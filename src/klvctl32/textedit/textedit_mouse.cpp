// KelvoTextEdit's mouse: placing the caret, selecting by dragging, the
// release after a select-all, and the context menu on the right button.
#include "klvctl32/editfield/edit_popup.h"
#include "klvctl32/textedit/narrow16.h"
#include "klvctl32/textedit/string_slices.h"
#include "klvctl32/textedit/textedit.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

namespace {

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;

}  // namespace

// The caret goes before the first character whose right edge reaches x, or
// after the text when x lies past it; the selection then follows the caret as
// a shifted key would move it.
void KelvoTextEdit::HitTest(float x) {
  const TextEditState& s = model_.State();
  const std::u16string text = s.StoredText;
  const int textLen = Len(text);
  const int trimmed = RTrimLen(text);
  const double textWidth = Surface().TextWidth(LeftChars(text, trimmed));
  bool hit = false;
  for (int i = 1; i <= textLen && !hit; ++i) {
    if (Surface().TextWidth(LeftChars(text, i)) >= x) {
      model_.SetPosition(Narrow16(i - 1));
      hit = true;
    } else if (x > textWidth) {
      model_.SetPosition(Narrow16(trimmed));
      hit = true;
    }
  }
  if (!hit) return;
  std::int16_t keyCode = 0;
  std::int16_t shift = 1;
  model_.KeyDown(keyCode, shift);
}

void KelvoTextEdit::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
  const MouseArgs a = RaiseMouseEvent(Site(), u"MouseDown", {button, shift, x, y});
  if (a.shift == 0 && a.button == kLeftButton && model_.State().AnchorSet) {
    model_.ClearSelection();
    RedrawText();
  }
  PlaceCaret();
  skipCaretPlace_ = true;
}

void KelvoTextEdit::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
  const MouseArgs a = RaiseMouseEvent(Site(), u"MouseMove", {button, shift, x, y});
  if (!hasFocus_ || RawTextBlank()) return;
  if (a.button == kLeftButton && !model_.State().AllSelected) {
    HitTest(a.x);
  } else if (a.button == kRightButton) {
    PlaceCaret();
  }
}

void KelvoTextEdit::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
  const MouseArgs a = RaiseMouseEvent(Site(), u"MouseUp", {button, shift, x, y});
  if (hasFocus_) user32::SetFocus(Window());
  if (RawTextBlank()) model_.SetPosition(0);
  PlaceCaret();
  skipCaretPlace_ = true;
  if (a.button == kLeftButton) {
    if (RawTextBlank()) return;
    TextEditState& s = model_.State();
    if (s.AllSelected) {
      s.AllSelected = false;
      model_.SetPosition(Narrow16(RTrimLen(s.StoredText)));
      return;
    }
    const gfx::Surface& surface = Surface();
    if (a.x >= 0 && a.x <= surface.ScaleWidth() && a.y >= 0 && a.y <= surface.ScaleHeight()) HitTest(a.x);
  } else if (a.button == kRightButton) {
    ShowContextMenu();
  }
}

void KelvoTextEdit::ShowContextMenu() {
  const int picked = ShowEditMenu(Site(), [this]() -> const EditMenu& { return model_.PrepareContextMenu(); });
  if (picked >= 0) model_.SubItemMenu_Click(Narrow16(picked));
}

}  // namespace kelvo::klvctl32

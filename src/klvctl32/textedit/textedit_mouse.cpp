// KelvoTextEdit's mouse: placing the caret, selecting by dragging, the
// release after a select-all, and the context menu on the right button.
#include <array>
#include <vector>

#include "klvctl32/textedit/narrow16.h"
#include "klvctl32/textedit/string_slices.h"
#include "klvctl32/textedit/textedit.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

namespace {

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;

}  // namespace

KelvoTextEdit::MouseArgs KelvoTextEdit::RaiseMouse(std::u16string_view event, MouseArgs a) {
  std::array<com::Variant, 4> args = {com::Variant::Integer(a.button), com::Variant::Integer(a.shift),
                                      com::Variant::Single(a.x), com::Variant::Single(a.y)};
  RaiseEvent(event, args);
  return {args[0].ToInteger(), args[1].ToInteger(), args[2].ToSingle(), args[3].ToSingle()};
}

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
  const MouseArgs a = RaiseMouse(u"MouseDown", {button, shift, x, y});
  if (a.shift == 0 && a.button == kLeftButton && model_.State().AnchorSet) {
    model_.ClearSelection();
    RedrawText();
  }
  PlaceCaret();
  skipCaretPlace_ = true;
}

void KelvoTextEdit::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
  const MouseArgs a = RaiseMouse(u"MouseMove", {button, shift, x, y});
  if (!hasFocus_ || RawTextBlank()) return;
  if (a.button == kLeftButton && !model_.State().AllSelected) {
    HitTest(a.x);
  } else if (a.button == kRightButton) {
    PlaceCaret();
  }
}

void KelvoTextEdit::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
  const MouseArgs a = RaiseMouse(u"MouseUp", {button, shift, x, y});
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

// The menu's items answer the right button as well as the left.
void KelvoTextEdit::ShowContextMenu() {
  Site().SetFocus();
  const SubItemMenuArray& items = model_.PrepareContextMenu();
  std::vector<win::MenuItem> menu;
  menu.reserve(items.size());
  for (const SubMenuItem& item : items) menu.push_back({item.Caption, item.Enabled, false});
  const int picked = Site().PopupMenu(menu, true);
  if (picked >= 0) model_.SubItemMenu_Click(Narrow16(picked));
}

}  // namespace kelvo::klvctl32

// KelvoTextEdit's life: creation values, the events and services the model
// reaches through its view, and the drawing properties.
#include "klvctl32/textedit/textedit.h"

#include "klvctl32/editfield/edit_caret.h"
#include "klvctl32/textedit/textedit_typeinfo.h"
#include "platform/com/error.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& KelvoTextEdit::Info() { return KelvoTextEditInfo(); }

// A loaded instance keeps these; InitProperties sets the rest for a new one.
void KelvoTextEdit::Initialize() {
  tppX_ = static_cast<float>(Site().TwipsPerPixelX());
  tppY_ = static_cast<float>(Site().TwipsPerPixelY());
  TextEditState& s = model_.State();
  s.Pasting = false;
  s.SelStart = 0;
  s.SelLength = 0;
  s.AnchorSet = false;
  s.AllSelected = false;
  s.Locked = false;
  s.CursorPos = 0;
  skipCaretPlace_ = false;
  watch_ = FocusWatch{};
  TopText = 3;
  LeftText = 3;
}

// The font is stored but not applied to the surface until it is assigned
// or loaded; the text is the instance's name.
void KelvoTextEdit::InitProperties() {
  TextEditState& s = model_.State();
  hasFocus_ = false;
  border3D_ = true;
  shadow_ = false;
  shadowColor_ = 0;
  backColor_ = 0x80000005u;
  foreColor_ = 0x80000012u;
  selectColor_ = 0x8000000Du;
  s.StoredText = Site().AmbientDisplayName();
  s.Mask.clear();
  s.CursorPos = -1;
  s.MaxLength = 30;
  s.IncludeLiterals = true;
  s.TextStyle = kcNormal;
  font_ = forms::AsFont(com::Variant::Object(Site().AmbientFont()));
  if (!font_) font_ = forms::CreateFontObject(Surface().Font());
  s.FillChar.clear();
  enabled_ = true;
  s.AutoSelect = true;
  selection3D_ = false;
  s.AllowSpaceChar = true;
  s.DefaultValue.clear();
  disabledColor_ = 0x80000011u;
  lockedColor_ = 0x80000012u;
}

win::HWND KelvoTextEdit::Window() const { return Site().Hwnd(); }

bool KelvoTextEdit::HoldsFocus() { return WindowHasFocus(Window()); }

double KelvoTextEdit::TextWidth(std::u16string_view text) { return Surface().TextWidth(text); }

double KelvoTextEdit::InnerWidth() { return Surface().ScaleWidth(); }

void KelvoTextEdit::Click() { RaiseEvent(u"Click"); }

void KelvoTextEdit::DblClick() { model_.DblClick(); }

void KelvoTextEdit::KeyDown(std::int16_t& keyCode, std::int16_t& shift) { model_.KeyDown(keyCode, shift); }

void KelvoTextEdit::KeyPress(std::int16_t& keyAscii) { model_.KeyPress(keyAscii); }

void KelvoTextEdit::KeyUp(std::int16_t& keyCode, std::int16_t& shift) { model_.KeyUp(keyCode, shift); }

// The caret goes with the control, when it is this control's.
void KelvoTextEdit::Terminate() { DestroyOwnCaret(Window()); }

// --- Drawing properties ------------------------------------------------------

void KelvoTextEdit::Repainted(std::u16string_view property) {
  RedrawText();
  PropertyChanged(property);
}

// Disabling runs the focus-loss steps: the caret hides and the selection goes,
// also when the control did not hold the focus.
void KelvoTextEdit::SetEnabled(bool value) {
  enabled_ = value;
  user32::EnableWindow(Window(), value ? 1 : 0);
  RedrawText();
  LostFocus();
  PropertyChanged(u"Enabled");
}

void KelvoTextEdit::SetSelection3D(bool value) {
  selection3D_ = value;
  PropertyChanged(u"Selection3D");
}

// Held by reference and applied as the drawing font.
void KelvoTextEdit::SetFont(com::ComPtr<forms::IFontObject> font) {
  if (!font) throw com::Error(com::err::kInvalidPropertyValue);
  font_ = std::move(font);
  Surface().SetFont(font_->Desc());
  PropertyChanged(u"Font");
  RedrawText();
}

}  // namespace kelvo::klvctl32

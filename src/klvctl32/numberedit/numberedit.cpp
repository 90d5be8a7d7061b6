// KelvoNumberEdit's life: creation values, focus, mouse, the focus engine's
// protocol and the properties whose assignment does more than store.
#include "klvctl32/numberedit/numberedit.h"

#include "klvctl32/editfield/edit_caret.h"
#include "klvctl32/editfield/edit_popup.h"
#include "klvctl32/numberedit/numberedit_typeinfo.h"
#include "platform/com/error.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

namespace {

constexpr std::int16_t kRightButton = 2;

}  // namespace

const com::CoClassInfo& KelvoNumberEdit::Info() { return KelvoNumberEditInfo(); }

void KelvoNumberEdit::Initialize() {
  CacheScreenFactors();
  watch_ = FocusWatch{};
  model_.State().Pasting = false;
}

// The font is stored but not applied to the surface until it is assigned or
// loaded.
void KelvoNumberEdit::InitProperties() {
  NumberEditState& s = model_.State();
  s.AllSelected = false;
  s.SavedText.clear();
  s.ThSepChar = u".";
  s.DecSepChar = u",";
  border3D_ = true;
  shadow_ = false;
  shadowColor_ = 0;
  backColor_ = 0x80000005u;
  foreColor_ = 0x80000008u;
  negativeColor_ = 0x000000FFu;
  s.Text.clear();
  s.IntMaxLength = 5;
  s.DecMaxLength = 0;
  font_ = forms::AsFont(com::Variant::Object(Site().AmbientFont()));
  if (!font_) font_ = forms::CreateFontObject(Surface().Font());
  enabled_ = true;
  s.AutoSelect = true;
  selection3D_ = false;
  s.AllowNegative = true;
  s.ThSeparator = true;
  s.NumberFormat = BrazilFormat;
  s.Locked = false;
  disabledColor_ = 0x80000011u;
  lockedColor_ = 0x80000012u;
}

void KelvoNumberEdit::GotFocus() {
  user32::EnableWindow(Window(), enabled_ ? 1 : 0);
  CreateFieldCaret(Window(), Surface(), PxY());
  RedrawNumber(false);
  model_.EnterField();
}

// Each of the two repaints shows the caret; both are taken back.
void KelvoNumberEdit::LostFocus() {
  model_.LeaveField();
  HideCaretTwice();
}

void KelvoNumberEdit::HideCaretTwice() {
  user32::HideCaret(Window());
  user32::HideCaret(Window());
}

void KelvoNumberEdit::Terminate() { DestroyOwnCaret(Window()); }

void KelvoNumberEdit::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
  RaiseMouseEvent(Site(), u"MouseDown", {button, shift, x, y});
}

void KelvoNumberEdit::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
  RaiseMouseEvent(Site(), u"MouseMove", {button, shift, x, y});
}

void KelvoNumberEdit::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
  const MouseArgs a = RaiseMouseEvent(Site(), u"MouseUp", {button, shift, x, y});
  if (a.button != kRightButton) return;
  const int picked = ShowEditMenu(Site(), [this]() -> const EditMenu& { return model_.PrepareMenu(); });
  if (picked >= 0) model_.Menu_Click(static_cast<std::int16_t>(picked));
}

void KelvoNumberEdit::ToKelvoEnginer() {
  RunFocusProtocol(Site(), enabled_, watch_, [this] { LostFocus(); });
}

void KelvoNumberEdit::XFocus() {
  GotFocus();
  Site().SetFocus();
}

// --- Properties --------------------------------------------------------------

void KelvoNumberEdit::Repainted(std::u16string_view property) {
  Show();
  PropertyChanged(property);
}

// Disabling runs the focus-loss steps, also when the control did not hold the
// focus.
void KelvoNumberEdit::SetEnabled(bool value) {
  enabled_ = value;
  user32::EnableWindow(Window(), value ? 1 : 0);
  LostFocus();
  Show();
  PropertyChanged(u"Enabled");
}

void KelvoNumberEdit::SetSelection3D(bool value) {
  selection3D_ = value;
  PropertyChanged(u"Selection3D");
}

// Held by reference and applied as the drawing font.
void KelvoNumberEdit::SetFont(com::ComPtr<forms::IFontObject> font) {
  if (!font) throw com::Error(com::err::kInvalidPropertyValue);
  font_ = std::move(font);
  Surface().SetFont(font_->Desc());
  Show();
  PropertyChanged(u"Font");
}

// Reading the value also completes and repaints the text.
double KelvoNumberEdit::ReadValue() {
  const double value = model_.Value();
  Show();
  return value;
}

}  // namespace kelvo::klvctl32

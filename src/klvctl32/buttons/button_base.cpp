#include "klvctl32/buttons/button_base.h"

#include "klvctl32/buttons/face_layout.h"
#include "klvctl32/buttons/tip_window.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

FaceGeometry ButtonBase::Geometry() const {
  const gfx::Surface& s = Surface();
  return {s.ScaleWidth(), s.ScaleHeight(), PxX(), PxY()};
}

void ButtonBase::InitializeFace() {
  CacheScreenFactors();
  ComputeLayout();
  frmTip().TipEnabled = true;
}

void ButtonBase::FaceLoaded() {
  ComputeLayout();
  user32::EnableWindow(WindowHandle(), face_.Enabled ? 1 : 0);
  DrawButton();
}

void ButtonBase::LayOutAndDraw() {
  ComputeLayout();
  DrawButton();
}

// The toolbar button measures in its own font and lets a failure reach its
// caller; the command button measures in the surface's font and skips a
// failing step.
void ButtonBase::ComputeLayout() {
  const bool toolbar = kind_ == FaceKind::Toolbar;
  if (toolbar && face_.Font) Surface().SetFont(face_.Font->Desc());
  CaptionText caption;
  auto split = [&] {
    caption = SplitAccessKey(face_.Caption);
    if (caption.accessKeys) Site().SetAccessKeys(*caption.accessKeys);
  };
  auto place = [&] { LayOutFace(face_, caption.display, Surface(), Geometry(), state_); };
  if (toolbar) {
    split();
    place();
  } else {
    Step(split);
    Step(place);
  }
}

bool ButtonBase::IsCursorOver() const {
  win::POINT p;
  win::RECT r;
  user32::GetCursorPos(&p);
  user32::GetWindowRect(WindowHandle(), &r);
  return r.left <= p.x && p.x <= r.right - 1 && r.top <= p.y && p.y <= r.bottom - 1;
}

void ButtonBase::FaceChanged(std::u16string_view property) {
  PropertyChanged(property);
  LayOutAndDraw();
}

void ButtonBase::StyleChanged(std::u16string_view property) {
  PropertyChanged(property);
  DrawButton();
}

// Held by reference and applied as the surface font.
void ButtonBase::SetFont(com::ComPtr<forms::IFontObject> font) {
  if (!font) throw com::Error(com::err::kInvalidPropertyValue);
  face_.Font = std::move(font);
  PropertyChanged(u"Font");
  Surface().SetFont(face_.Font->Desc());
  LayOutAndDraw();
}

void ButtonBase::DropTip() {
  TipShown = false;
  frmTip().HideTip();
}

ButtonBase::TipsSuppressed::TipsSuppressed() { frmTip().TipEnabled = false; }

ButtonBase::TipsSuppressed::~TipsSuppressed() { frmTip().TipEnabled = true; }

void ButtonBase::EnterHover() {
  user32::SetCapture(WindowHandle());
  state_.IsHot = true;
  DrawButton();
  RaiseEvent(u"MouseEnter");
}

void ButtonBase::ExitHover() {
  DropTip();
  user32::ReleaseCapture();
  state_.IsHot = false;
  DrawButton();
  RaiseEvent(u"MouseExit");
}

void ButtonBase::CountIdleTick(win::HWND host, bool requireHot) {
  if (!face_.ActiveBorder) return;
  if (user32::GetActiveWindow() != host) idleTicks_ = 0;
  idleTicks_ = static_cast<std::int16_t>(idleTicks_ + 1);
  if (idleTicks_ <= 2) return;
  idleTicks_ = 3;
  if (!IsCursorOver() || TipShown) return;
  const std::u16string text = Extender()->Invoke(u"ToolTipText", com::InvokeKind::Get, {}).ToString();
  if (text.empty() || (requireHot && !state_.IsHot)) return;
  TipShown = true;
  frmTip().ShowTip(text);
}

}  // namespace kelvo::klvctl32

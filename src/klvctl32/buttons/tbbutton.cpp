// KelvoTBButton's life, painting, input and the focus engine's tick.
#include "klvctl32/buttons/tbbutton.h"

#include "klvctl32/buttons/tbbutton_typeinfo.h"
#include "klvctl32/host/focus_protocol.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& KelvoTBButton::Info() { return KelvoTBButtonInfo(); }

// There is no separate new-instance step: the surface's font, no caption,
// flat, sized to its picture, and always drawn as if it had the focus.
void KelvoTBButton::Initialize() {
  face_.Font = forms::CreateFontObject(Surface().Font());
  face_.Style = kcFlat;
  autoSize_ = true;
  state_.HasFocus = true;
  InitializeFace();
}

void KelvoTBButton::ReadProperties(forms::IPropertyBag& bag) {
  Table().Load(*this, bag);
  if (face_.Font) Surface().SetFont(face_.Font->Desc());
  FaceLoaded();
}

void KelvoTBButton::Show() {
  Step([this] { ComputeLayout(); });
  Step([this] { DrawButton(); });
}

void KelvoTBButton::ApplyAutoSize() {
  if (!autoSize_) return;
  if (face_.PictSize == kc16x16) RequestSize(MulTwips(23, PxX()), MulTwips(22, PxY()));
  if (face_.PictSize == kc32x32) RequestSize(MulTwips(37, PxX()), MulTwips(37, PxY()));
}

void KelvoTBButton::DrawButton() {
  Step([this] { ApplyAutoSize(); });
  const FacePainter paint = Painter();
  Step([&] { paint.Clear(face_); });
  Step([&] { paint.DrawCaption(FaceKind::Toolbar, face_, state_); });
  Step([&] { paint.DrawPicture(face_, state_); });
  Step([&] { paint.DrawToolbarBorder(face_, state_, IsCursorOver(), Site().AmbientUserMode()); });
  if (!face_.Enabled) Step([&] { paint.DitherPicture(face_, state_, state_.PictureX, state_.PictureY); });
}

void KelvoTBButton::SetEnabled(bool value) {
  face_.Enabled = value;
  PropertyChanged(u"Enabled");
  DrawButton();
  user32::EnableWindow(WindowHandle(), value ? 1 : 0);
  user32::ReleaseCapture();
  state_.IsHot = false;
}

// The host window is always the parent form's own; reactivation is only
// recorded. A hover the pointer left ends silently, with any press.
void KelvoTBButton::ToKelvoEnginer() {
  try {
    const com::ComPtr<com::IDispatch> form = Site().ParentForm();
    if (!form) throw com::Error(com::err::kObjectNotSet);
    if (!ActiveControlOf(*form) || !face_.Enabled) return;
    const auto host = static_cast<win::HWND>(form->Invoke(u"hwnd", com::InvokeKind::Get, {}).ToLong());
    const win::HWND active = user32::GetActiveWindow();
    if (active != host && WindowActive) {
      WindowActive = false;
      DrawButton();
      DownLatch = false;
    } else if (active == host && !WindowActive) {
      WindowActive = true;
    }
    if (!IsCursorOver() && state_.IsHot) {
      DropTip();
      state_.IsHot = false;
      user32::ReleaseCapture();
      DownLatch = false;
      state_.PressState = 0;
      DrawButton();
    }
    CountIdleTick(host, true);
  } catch (const com::Error&) {
    // The tick ends quietly at its first failure.
  }
}

}  // namespace kelvo::klvctl32

// KelvoActiveCommand's life, painting, focus and the focus engine's tick.
#include "klvctl32/buttons/activecommand.h"

#include "klvctl32/buttons/activecommand_typeinfo.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& KelvoActiveCommand::Info() { return KelvoActiveCommandInfo(); }

void KelvoActiveCommand::Initialize() { InitializeFace(); }

// A new instance takes the designer's font and the instance's name.
void KelvoActiveCommand::InitProperties() {
  Step([this] {
    const com::ComPtr<forms::IFontObject> font = forms::AsFont(com::Variant::Object(Site().AmbientFont()));
    if (font) face_.Font = font;
  });
  Step([this] { face_.Caption = Site().AmbientDisplayName(); });
}

void KelvoActiveCommand::ReadProperties(forms::IPropertyBag& bag) {
  Table().Load(*this, bag);
  FaceLoaded();
}

void KelvoActiveCommand::Show() {
  Step([this] { ComputeLayout(); });
  Step([this] { DrawButton(); });
  RememberFormWindow(watch_);
}

// A pressed face without the focus is left as it is.
void KelvoActiveCommand::DrawButton() {
  if (!state_.HasFocus && state_.PressState == 1) return;
  bool isDefault = false;
  Step([&] { isDefault = Site().AmbientDisplayAsDefault(); });
  const FacePainter paint = Painter();
  Step([&] { paint.Clear(face_); });
  Step([&] { paint.DrawCaption(FaceKind::Command, face_, state_); });
  Step([&] { paint.DrawPicture(face_, state_); });
  Step([&] { paint.DrawCommandBorder(face_, state_, isDefault); });
  if (!face_.Enabled) Step([&] { paint.DitherPicture(face_, state_, state_.PictureX, state_.PictureY); });
  if (state_.HasFocus && face_.Enabled) Step([&] { paint.DrawFocusRectangle(); });
}

void KelvoActiveCommand::SetEnabled(bool value) {
  face_.Enabled = value;
  PropertyChanged(u"Enabled");
  user32::EnableWindow(WindowHandle(), value ? 1 : 0);
  DrawButton();
  user32::ReleaseCapture();
  state_.IsHot = false;
}

void KelvoActiveCommand::GotFocus() {
  state_.HasFocus = true;
  DrawButton();
}

void KelvoActiveCommand::LostFocus() {
  state_.HasFocus = false;
  DownLatch = false;
  state_.PressState = 0;
  DrawButton();
}

void KelvoActiveCommand::XFocus() {
  GotFocus();
  Site().SetFocus();
}

// Deactivation also ends a press and a hover; a hover the pointer left ends
// silently; a mouse release that happened outside is completed.
void KelvoActiveCommand::ToKelvoEnginer() {
  const bool go = RunFocusProtocol(Site(), face_.Enabled, watch_, [this] {
    LostFocus();
    DownLatch = false;
    state_.IsHot = false;
    user32::ReleaseCapture();
  });
  if (!go) return;
  try {
    const com::ComPtr<com::IDispatch> form = Site().ParentForm();
    if (!form) return;
    const win::HWND host = WatchedWindow(Site(), *form, watch_);
    if (!IsCursorOver() && state_.IsHot) {
      state_.IsHot = false;
      user32::ReleaseCapture();
      DrawButton();
    }
    if (!IsCursorOver() && MousePress && DownLatch) MouseUp(1, 0, 0, 0);
    CountIdleTick(host, false);
  } catch (const com::Error&) {
    // The tick ends quietly at its first failure.
  }
}

}  // namespace kelvo::klvctl32

#pragma once
// What KelvoActiveCommand and KelvoTBButton share: the face properties and
// their setters, the layout, the hover and press state, the tooltip's
// timing on the focus engine's tick, and the pointer test. Each button adds
// its own DrawButton, input handling and tick.

#include <cstdint>
#include <string_view>

#include "klvctl32/buttons/face.h"
#include "klvctl32/buttons/face_paint.h"
#include "klvctl32/host/control_base.h"
#include "platform/com/error.h"

namespace kelvo::klvctl32 {

class ButtonBase : public ControlBase {
 public:
  const FaceProperties& Face() const { return face_; }
  FaceProperties& Face() { return face_; }
  const FaceState& State() const { return state_; }
  std::int16_t IdleTicks() const { return idleTicks_; }

  // After an assignment of a face property: notify, lay out, repaint.
  void FaceChanged(std::u16string_view property);
  // After an assignment that only changes how the border looks.
  void StyleChanged(std::u16string_view property);
  // After an assignment seen at the next paint.
  void Stored(std::u16string_view property) { PropertyChanged(property); }
  void SetFont(com::ComPtr<forms::IFontObject> font);
  bool IsEnabled() const { return face_.Enabled; }
  virtual void SetEnabled(bool value) = 0;
  win::HWND WindowHandle() const { return Site().Hwnd(); }
  const gfx::FontDesc& SurfaceFont() const { return Surface().Font(); }

  void Resize() override { LayOutAndDraw(); }
  void Paint() override { LayOutAndDraw(); }
  void AmbientChanged(std::u16string_view) override { DrawButton(); }

  virtual void DrawButton() = 0;
  void ComputeLayout();
  // The pointer is on the control's window (GetCursorPos, GetWindowRect).
  bool IsCursorOver() const;

 protected:
  explicit ButtonBase(FaceKind kind) : kind_(kind) {}

  // Runs one step of layout or painting; a failing step is skipped.
  template <class F>
  static void Step(F&& step) {
    try {
      step();
    } catch (const com::Error&) {
      // Skipped: what it would have set keeps its previous value.
    }
  }

  FaceGeometry Geometry() const;
  FacePainter Painter() const { return FacePainter(Surface(), Site().Hdc(), Geometry()); }
  void LayOutAndDraw();
  // Creation: screen factors, layout, tips allowed.
  void InitializeFace();
  // After loading: layout, the window's enabled state, paint.
  void FaceLoaded();

  // Any press, release or end of hover hides the tip until the next hover.
  void DropTip();
  // No tip opens while one of these lives (around raising Click); tips come
  // back on even when a Click handler fails.
  struct TipsSuppressed {
    TipsSuppressed();
    ~TipsSuppressed();
    TipsSuppressed(const TipsSuppressed&) = delete;
    TipsSuppressed& operator=(const TipsSuppressed&) = delete;
  };
  // Takes the capture and starts a hover.
  void EnterHover();
  // Releases the capture and ends a hover with MouseExit.
  void ExitHover();
  // The tooltip step of the tick: counts idle ticks while the form window is
  // active and shows the extender's ToolTipText once per hover after three.
  void CountIdleTick(win::HWND host, bool requireHot);

  FaceProperties face_;
  FaceState state_;
  bool WindowActive = true;
  bool TipShown = false;
  bool DownLatch = false;
  std::int16_t idleTicks_ = 0;

 private:
  FaceKind kind_;
};

}  // namespace kelvo::klvctl32

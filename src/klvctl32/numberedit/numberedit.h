#pragma once
// KelvoNumberEdit: the numeric edit as a control. The format model and the
// keyboard editing live in NumberEditModel; this class is its window: it
// paints the right-aligned number with frame, shadow and highlight, keeps the
// caret at the number's right end, handles focus and mouse, takes part in the
// focus engine's protocol and persists its properties.

#include <cstdint>
#include <string_view>

#include "klvctl32/editfield/edit_frame.h"
#include "klvctl32/editfield/site_edit_view.h"
#include "klvctl32/host/control_base.h"
#include "klvctl32/host/focus_protocol.h"
#include "klvctl32/numberedit/numberedit_model.h"
#include "platform/forms/stdobjects.h"
#include "platform/gfx/color.h"

namespace kelvo::klvctl32 {

class KelvoNumberEdit final : public ControlOf<KelvoNumberEdit>, private SiteEditView<NumberEditView> {
 public:
  KelvoNumberEdit() = default;
  KelvoNumberEdit(const KelvoNumberEdit&) = delete;
  KelvoNumberEdit& operator=(const KelvoNumberEdit&) = delete;

  static const com::CoClassInfo& Info();
  static const ControlTable<KelvoNumberEdit>& Table();

  // Container notifications.
  void Initialize() override;
  void InitProperties() override;
  void ReadProperties(forms::IPropertyBag& bag) override;
  void Show() override;
  void Paint() override;
  void Resize() override;
  void GotFocus() override;
  void LostFocus() override;
  void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override { model_.KeyDown(keyCode, shift); }
  void KeyPress(std::int16_t& keyAscii) override { model_.KeyPress(keyAscii); }
  void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override { model_.KeyUp(keyCode, shift); }
  void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
  void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
  void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
  void Click() override { RaiseEvent(u"Click"); }
  void DblClick() override { model_.DblClick(); }
  void Terminate() override;

  // Focus engine protocol.
  void ToKelvoEnginer();
  void XFocus();

  NumberEditModel& Model() { return model_; }
  const NumberEditState& State() const { return model_.State(); }
  const FocusWatch& Watch() const { return watch_; }

  // Painting (NumberEditView).
  void RedrawNumber(bool normalize) override;
  void DrawSelection() override;
  void ShowNumber() override { Show(); }

 private:
  // NumberEditView
  forms::IControlSite& FieldSite() const override { return Site(); }
  bool Enabled() override { return enabled_; }
  void ProcessPending() override { Site().DoEvents(); }

  // Members bound in the table.
  bool IsEnabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Selection3D() const { return selection3D_; }
  void SetSelection3D(bool value);
  com::ComPtr<forms::IFontObject> Font() const { return font_; }
  void SetFont(com::ComPtr<forms::IFontObject> font);
  double ReadValue();
  void Repainted(std::u16string_view property);

  TwipsPair OnePixel() const { return {static_cast<double>(PxX()), static_cast<double>(PxY())}; }
  // The number's right margin in pixels: 5, or 10 beside the shadow.
  double RightMargin() const;
  gfx::OleColor TextColour() const;
  void PlaceCaretAtEnd();
  void DrawDesignSample();
  void HideCaretTwice();
  win::HWND Window() const { return Site().Hwnd(); }

  NumberEditModel model_{*this};
  FocusWatch watch_;

  // Zero values until InitProperties or loading sets them.
  bool border3D_ = false;
  bool shadow_ = false;
  bool selection3D_ = false;
  bool enabled_ = false;
  gfx::OleColor shadowColor_ = 0;
  gfx::OleColor backColor_ = 0;
  gfx::OleColor foreColor_ = 0;
  gfx::OleColor negativeColor_ = 0;
  gfx::OleColor disabledColor_ = 0;
  gfx::OleColor lockedColor_ = 0;
  com::ComPtr<forms::IFontObject> font_;
};

}  // namespace kelvo::klvctl32

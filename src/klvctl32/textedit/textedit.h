#pragma once
// KelvoTextEdit: the masked text edit as a control. The mask model and the
// keyboard editing live in TextEditModel; this class is its window: it draws
// the frame, shadow, text and selection, keeps the caret, handles focus and
// mouse, takes part in the focus engine's protocol, and persists its
// properties. It implements the TextEditView the model talks to.

#include <cstdint>
#include <string>
#include <string_view>

#include "klvctl32/editfield/edit_events.h"
#include "klvctl32/editfield/edit_frame.h"
#include "klvctl32/editfield/site_edit_view.h"
#include "klvctl32/host/control_base.h"
#include "klvctl32/host/focus_protocol.h"
#include "klvctl32/textedit/textedit_model.h"
#include "klvctl32/textedit/textedit_view.h"
#include "platform/forms/stdobjects.h"
#include "platform/gfx/color.h"

namespace kelvo::klvctl32 {

class KelvoTextEdit final : public ControlOf<KelvoTextEdit>, private SiteEditView<TextEditView> {
 public:
  KelvoTextEdit() = default;
  KelvoTextEdit(const KelvoTextEdit&) = delete;
  KelvoTextEdit& operator=(const KelvoTextEdit&) = delete;

  static const com::CoClassInfo& Info();
  static const ControlTable<KelvoTextEdit>& Table();

  // Container notifications.
  void Initialize() override;
  void InitProperties() override;
  void ReadProperties(forms::IPropertyBag& bag) override;
  void Show() override;
  void Paint() override;
  void Resize() override;
  void GotFocus() override;
  void LostFocus() override;
  void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override;
  void KeyPress(std::int16_t& keyAscii) override;
  void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override;
  void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
  void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
  void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
  void Click() override;
  void DblClick() override;
  void Terminate() override;

  // Focus engine protocol.
  void ToKelvoEnginer();
  void XFocus();

  TextEditModel& Model() { return model_; }
  const TextEditState& State() const { return model_.State(); }

  // Drawing switches (the colours and the frame switches are fields bound in
  // the member table: an assignment repaints and marks the property).
  bool Shadow() override { return shadow_; }
  bool Selection3D() const { return selection3D_; }
  bool IsEnabled() const { return enabled_; }
  void SetEnabled(bool value);
  void SetSelection3D(bool value);
  com::ComPtr<forms::IFontObject> Font() const { return font_; }
  void SetFont(com::ComPtr<forms::IFontObject> font);

  // Public variables: the text origin in pixels.
  std::int16_t TopText = 3;
  std::int16_t LeftText = 3;

  // Painting and caret (TextEditView).
  void RedrawText() override;
  void FormatAndPrint() override;
  std::int16_t PlaceCaret() override;
  void DrawSelectionRange(std::int16_t start, std::int16_t len) override;

  win::HWND WindowHandle() const { return Window(); }
  win::HDC DeviceContext() const { return Site().Hdc(); }
  bool HasFocus() const { return hasFocus_; }
  const FocusWatch& Watch() const { return watch_; }

 private:
  // TextEditView
  forms::IControlSite& FieldSite() const override { return Site(); }
  bool Enabled() override { return enabled_; }
  bool HoldsFocus() override;
  double TextWidth(std::u16string_view text) override;
  double InnerWidth() override;
  float TwipsPerPixelX() override { return tppX_; }

  // Pixels to twips on each axis, with the factors cached at Initialize.
  double Px(double pixels) const { return pixels * tppX_; }
  double Py(double pixels) const { return pixels * tppY_; }
  void Repainted(std::u16string_view property);
  void PrintText();
  // One pixel on each axis, which is also how far frame lines reach past
  // their corner.
  TwipsPair OnePixel() const { return {Px(1), Py(1)}; }
  void DrawSelectionBox(double x1, double y1, double x2, double y2);
  bool FontBold() const;
  void HitTest(float x);
  bool RawTextBlank() const;
  void ShowContextMenu();
  win::HWND Window() const;

  TextEditModel model_{*this};
  float tppX_ = 15;
  float tppY_ = 15;
  bool hasFocus_ = false;
  bool skipCaretPlace_ = false;
  FocusWatch watch_;

  bool border3D_ = true;
  bool shadow_ = false;
  bool selection3D_ = false;
  bool enabled_ = true;
  gfx::OleColor shadowColor_ = 0;
  gfx::OleColor backColor_ = 0x80000005u;
  gfx::OleColor foreColor_ = 0x80000012u;
  gfx::OleColor selectColor_ = 0x8000000Du;
  gfx::OleColor lockedColor_ = 0x80000012u;
  gfx::OleColor disabledColor_ = 0x80000011u;
  com::ComPtr<forms::IFontObject> font_;
};

}  // namespace kelvo::klvctl32

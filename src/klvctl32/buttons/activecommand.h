#pragma once
// KelvoActiveCommand: a push button that draws its own face (button_base.h),
// takes the focus, raises Click from the space bar, its access key and the
// left mouse button, tracks the mouse while ActiveBorder is on, and shows the
// extender's ToolTipText in the shared tip window after the pointer rests on
// it for three focus-engine ticks.

#include <cstdint>

#include "klvctl32/buttons/button_base.h"
#include "klvctl32/host/focus_protocol.h"

namespace kelvo::klvctl32 {

class KelvoActiveCommand final : public ControlOf<KelvoActiveCommand, ButtonBase> {
 public:
  static constexpr std::int16_t kSpace = 32;

  KelvoActiveCommand() : ControlOf(FaceKind::Command) {}

  static const com::CoClassInfo& Info();
  static const ControlTable<KelvoActiveCommand>& Table();

  void Initialize() override;
  void InitProperties() override;
  void ReadProperties(forms::IPropertyBag& bag) override;
  void Show() override;
  void GotFocus() override;
  void LostFocus() override;
  void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override;
  void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override;
  void AccessKeyPress(std::int16_t keyAscii) override;
  void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
  void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
  void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;

  void SetEnabled(bool value) override;
  void DrawButton() override;

  // Focus engine protocol.
  void ToKelvoEnginer();
  void XFocus();

 private:
  bool Inside(float x, float y) const;

  FocusWatch watch_;
  bool MousePress = false;
};

}  // namespace kelvo::klvctl32

#pragma once
// KelvoTBButton: the toolbar's button. It shares the command button's face
// and property surface (button_base.h) but never takes the focus, is flat by
// default with its border shown only while the pointer is over it, sizes
// itself to its picture size (AutoSize) and raises Click on every left-button
// release, wherever it happens.

#include <cstdint>

#include "klvctl32/buttons/button_base.h"

namespace kelvo::klvctl32 {

class KelvoTBButton final : public ControlOf<KelvoTBButton, ButtonBase> {
 public:
  static constexpr std::int16_t kSpace = 32;

  KelvoTBButton() : ControlOf(FaceKind::Toolbar) {}

  static const com::CoClassInfo& Info();
  static const ControlTable<KelvoTBButton>& Table();

  void Initialize() override;
  void ReadProperties(forms::IPropertyBag& bag) override;
  void Show() override;
  void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override;
  void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override;
  void AccessKeyPress(std::int16_t keyAscii) override;
  void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
  void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
  void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;

  void SetEnabled(bool value) override;
  void DrawButton() override;

  // The focus engine's tick.
  void ToKelvoEnginer();

 private:
  void PressFace();
  void ReleaseFace(std::int16_t shift);
  // 23 x 22 pixels for 16-pixel pictures, 37 x 37 for 32.
  void ApplyAutoSize();

  bool autoSize_ = true;
};

}  // namespace kelvo::klvctl32

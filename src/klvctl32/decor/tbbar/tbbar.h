#pragma once
// KelvoTBBar: the strip toolbar buttons stand on. A raised frame around the
// whole bar, up to two raised grip ridges at its left end, an automatic height
// for 16 x 16 or 32 x 32 pixel pictures, top alignment when first placed, and
// mouse events that tell the grip area (pixel columns 0 to 9) from the rest.

#include <cstdint>

#include "klvctl32/host/control_base.h"
#include "platform/gfx/color.h"

namespace kelvo::klvctl32 {

class KelvoTBBar final : public ControlOf<KelvoTBBar> {
 public:
  // kcSizeBar
  static constexpr std::int16_t kcNone = 0;
  static constexpr std::int16_t kcBarTo16x16 = 1;
  static constexpr std::int16_t kcBarTo32x32 = 2;
  // The Button value of the LeftLinesMouseMove that ends a press begun on the grip.
  static constexpr std::int16_t kGripReleaseButton = 5;

  static const com::CoClassInfo& Info();
  static const ControlTable<KelvoTBBar>& Table();

  void Initialize() override;
  void InitProperties() override;
  void ReadProperties(forms::IPropertyBag& bag) override;
  void Show() override;
  void Resize() override;
  void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
  void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
  void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
  void DblClick() override;

  void SetBackColor(gfx::OleColor value);

  gfx::OleColor Light3DColor() const { return light3DColor_; }
  gfx::OleColor Shadow3DColor() const { return shadow3DColor_; }
  gfx::OleColor BackColor() const { return backColor_; }
  bool ShowLeftLines() const { return showLeftLines_; }
  bool ShowTwoLeftLines() const { return showTwoLeftLines_; }
  std::int16_t AutoHeight() const { return autoHeight_; }

 private:
  // Notifies the change, then runs the Resize handling (repaint, Resize event).
  void Changed(std::u16string_view property);
  bool OnGrip(float x) const;

  // The Button, x, y arguments of the mouse events.
  struct ButtonXY {
    std::int16_t button;
    float x;
    float y;
  };
  // Raises the event; the arguments as the handlers left them.
  ButtonXY RaiseButtonXY(std::u16string_view event, ButtonXY values);

  void ApplyAutoHeight();
  void DrawGripLines();
  void DrawOuterFrame();
  void DrawBarFrame(Twips16 x1, Twips16 y1, Twips16 x2, Twips16 y2) const;

  gfx::OleColor light3DColor_ = 0x80000014u;
  gfx::OleColor shadow3DColor_ = 0x80000010u;
  gfx::OleColor backColor_ = 0x8000000Fu;
  bool showLeftLines_ = true;
  bool showTwoLeftLines_ = true;
  std::int16_t autoHeight_ = kcBarTo16x16;
  bool gripPressed_ = false;
};

}  // namespace kelvo::klvctl32

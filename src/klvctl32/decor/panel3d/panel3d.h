#pragma once
// KelvoPanel3D: a passive rectangle with a double 3D frame, an outer border
// along the control's edges and an inner one set in by BorderWidth pixels,
// each raised, lowered or invisible. No events, no input; every property
// assignment stores, notifies and repaints the whole control (its table binds
// each property to its field).

#include <cstdint>

#include "klvctl32/host/control_base.h"
#include "platform/gfx/color.h"

namespace kelvo::klvctl32 {

class KelvoPanel3D final : public ControlOf<KelvoPanel3D> {
 public:
  // KLV_BorderStyle
  static constexpr std::int16_t KLVPN_None = 0;
  static constexpr std::int16_t KLVPN_Raised = 1;
  static constexpr std::int16_t KLVPN_Lowered = 2;

  static const com::CoClassInfo& Info();
  static const ControlTable<KelvoPanel3D>& Table();

  void Initialize() override;
  void ReadProperties(forms::IPropertyBag& bag) override;
  void Show() override { DrawPanel(); }
  void Resize() override { DrawPanel(); }

  gfx::OleColor Light3DColor() const { return light3DColor_; }
  gfx::OleColor Shadow3DColor() const { return shadow3DColor_; }
  gfx::OleColor BackColor() const { return backColor_; }
  std::int16_t BorderOut() const { return borderOut_; }
  std::int16_t BorderIn() const { return borderIn_; }
  std::int16_t BorderWidth() const { return borderWidth_; }

 private:
  struct EdgeColors {
    gfx::OleColor topLeft;
    gfx::OleColor bottomRight;
  };

  // After an assignment: notifies the change and repaints.
  void Changed(std::u16string_view property);
  void DrawPanel();
  EdgeColors ColorsFor(std::int16_t style) const;
  void Draw3DFrame(Twips16 x1, Twips16 y1, Twips16 x2, Twips16 y2, EdgeColors colors) const;

  gfx::OleColor backColor_ = 0x8000000Fu;
  gfx::OleColor light3DColor_ = 0x80000014u;
  gfx::OleColor shadow3DColor_ = 0x80000010u;
  std::int16_t borderOut_ = KLVPN_Raised;
  std::int16_t borderIn_ = KLVPN_Lowered;
  std::int16_t borderWidth_ = 5;
};

}  // namespace kelvo::klvctl32

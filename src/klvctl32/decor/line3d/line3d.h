#pragma once
// KelvoLine3D: a two-pixel-thick etched line, horizontal or vertical. It forces
// its own thickness across the line and keeps whatever length the form gives
// it. No events.

#include <cstdint>

#include "klvctl32/host/control_base.h"
#include "platform/gfx/color.h"

namespace kelvo::klvctl32 {

class KelvoLine3D final : public ControlOf<KelvoLine3D> {
 public:
  // KLV_LineStyle
  static constexpr std::int16_t LnRaised = 1;
  static constexpr std::int16_t LnLowered = 2;
  // KLV_LineOrientation
  static constexpr std::int16_t LnVertical = 0;
  static constexpr std::int16_t LnHorizontal = 1;

  static const com::CoClassInfo& Info();
  static const ControlTable<KelvoLine3D>& Table();

  void Initialize() override;
  void Show() override { DrawLine3D(); }
  void Resize() override { DrawLine3D(); }

  gfx::OleColor Light3DColor() const { return light3DColor_; }
  gfx::OleColor Shadow3DColor() const { return shadow3DColor_; }
  std::int16_t LineStyle() const { return lineStyle_; }
  std::int16_t LineOrientation() const { return lineOrientation_; }

 private:
  void Changed(std::u16string_view property);
  void DrawLine3D();

  gfx::OleColor light3DColor_ = 0x80000014u;
  gfx::OleColor shadow3DColor_ = 0x80000010u;
  std::int16_t lineStyle_ = LnRaised;
  std::int16_t lineOrientation_ = LnHorizontal;
};

}  // namespace kelvo::klvctl32

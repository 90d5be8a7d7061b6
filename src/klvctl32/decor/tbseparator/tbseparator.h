#pragma once
// KelvoTBSeparator: a thin vertical etched line between groups of toolbar
// buttons. It fixes its own width to two pixels and, on request, its height to
// the inner height of a 16 x 16 or 32 x 32 bar. No events.

#include <cstdint>

#include "klvctl32/host/control_base.h"
#include "platform/gfx/color.h"

namespace kelvo::klvctl32 {

class KelvoTBSeparator final : public ControlOf<KelvoTBSeparator> {
 public:
  static const com::CoClassInfo& Info();
  static const ControlTable<KelvoTBSeparator>& Table();

  void Initialize() override;
  void ReadProperties(forms::IPropertyBag& bag) override;
  void Show() override;
  void Resize() override { Show(); }

  void SetBackColor(gfx::OleColor value);

  gfx::OleColor Light3DColor() const { return light3DColor_; }
  gfx::OleColor Shadow3DColor() const { return shadow3DColor_; }
  gfx::OleColor BackColor() const { return backColor_; }
  std::int16_t AutoHeight() const { return autoHeight_; }

 private:
  void Changed(std::u16string_view property);
  void ApplySize();

  gfx::OleColor light3DColor_ = 0x80000014u;
  gfx::OleColor shadow3DColor_ = 0x80000010u;
  gfx::OleColor backColor_ = 0x8000000Fu;
  // 1: 22 pixels high; 2: 37 pixels; anything else leaves the height alone.
  std::int16_t autoHeight_ = 1;
};

}  // namespace kelvo::klvctl32

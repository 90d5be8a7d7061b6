// KelvoTBBar's mouse handling: grip events apart from the rest of the bar.
#include <array>

#include "klvctl32/decor/tbbar/tbbar.h"

namespace kelvo::klvctl32 {

namespace {
constexpr std::int16_t kLeftButton = 1;
}  // namespace

// The grip area: mouse X at most 9 pixels, only while the grip is shown.
bool KelvoTBBar::OnGrip(float x) const { return showLeftLines_ && x <= MulTwips(9, PxX()); }

KelvoTBBar::ButtonXY KelvoTBBar::RaiseButtonXY(std::u16string_view event, ButtonXY values) {
  std::array<com::Variant, 3> args = {com::Variant::Integer(values.button), com::Variant::Single(values.x),
                                      com::Variant::Single(values.y)};
  RaiseEvent(event, args);
  return {args[0].ToInteger(), args[1].ToSingle(), args[2].ToSingle()};
}

// MouseDown's arguments are by reference: the grip test sees what the
// handlers left in them.
void KelvoTBBar::MouseDown(std::int16_t button, std::int16_t /*shift*/, float x, float y) {
  const ButtonXY after = RaiseButtonXY(u"MouseDown", {button, x, y});
  if (after.button == kLeftButton && OnGrip(after.x)) gripPressed_ = true;
}

void KelvoTBBar::MouseMove(std::int16_t button, std::int16_t /*shift*/, float x, float y) {
  if (OnGrip(x)) RaiseButtonXY(u"LeftLinesMouseMove", {button, x, y});
  RaiseButtonXY(u"MouseMove", {button, x, y});
}

// Only the left button clicks, on the grip or on the bar by the release
// position; a press begun on the grip ends with LeftLinesMouseMove(5, x, y).
void KelvoTBBar::MouseUp(std::int16_t button, std::int16_t /*shift*/, float x, float y) {
  const ButtonXY after = RaiseButtonXY(u"MouseUp", {button, x, y});
  if (after.button == kLeftButton) {
    com::Variant click[] = {com::Variant::Integer(kLeftButton)};
    RaiseEvent(OnGrip(after.x) ? u"LeftLinesClick" : u"Click", click);
  }
  if (gripPressed_) {
    RaiseButtonXY(u"LeftLinesMouseMove", {kGripReleaseButton, after.x, after.y});
    gripPressed_ = false;
  }
}

void KelvoTBBar::DblClick() { RaiseEvent(u"DblClick"); }

}  // namespace kelvo::klvctl32

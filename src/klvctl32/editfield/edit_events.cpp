#include "klvctl32/editfield/edit_events.h"

#include <array>

#include "platform/com/variant.h"

namespace kelvo::klvctl32 {

void RaiseKeyEvent(forms::IControlSite& site, std::u16string_view event, std::int16_t& keyCode, std::int16_t& shift) {
  std::array<com::Variant, 2> args = {com::Variant::Integer(keyCode), com::Variant::Integer(shift)};
  site.RaiseEvent(event, args);
  keyCode = args[0].ToInteger();
  shift = args[1].ToInteger();
}

void RaiseKeyPressEvent(forms::IControlSite& site, std::int16_t& keyAscii) {
  std::array<com::Variant, 1> args = {com::Variant::Integer(keyAscii)};
  site.RaiseEvent(u"KeyPress", args);
  keyAscii = args[0].ToInteger();
}

MouseArgs RaiseMouseEvent(forms::IControlSite& site, std::u16string_view event, MouseArgs a) {
  std::array<com::Variant, 4> args = {com::Variant::Integer(a.button), com::Variant::Integer(a.shift),
                                      com::Variant::Single(a.x), com::Variant::Single(a.y)};
  site.RaiseEvent(event, args);
  return {args[0].ToInteger(), args[1].ToInteger(), args[2].ToSingle(), args[3].ToSingle()};
}

}  // namespace kelvo::klvctl32

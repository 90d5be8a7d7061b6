// KelvoTBSeparator's members in the slot order of _KelvoTBSeparator, and its
// persisted set in save order. BackColor also becomes the surface background.
#include "klvctl32/decor/tbseparator/tbseparator.h"
#include "klvctl32/host/help_strings.h"

namespace kelvo::klvctl32 {

const ControlTable<KelvoTBSeparator>& KelvoTBSeparator::Table() {
  using T = ControlTable<KelvoTBSeparator>;
  using C = KelvoTBSeparator;
  static const T table =
      T(&C::Changed)
          .Property(u"Light3DColor", ColorT(), help::kLight3DColor, T::Field(&C::light3DColor_))
          .Property(u"Shadow3DColor", ColorT(), help::kShadow3DColor, T::Field(&C::shadow3DColor_))
          .Property(u"BackColor", ColorT(), help::kBackColor, T::Calls(&C::BackColor, &C::SetBackColor))
          .Property(u"AutoHeight", IntegerT(),
                    u"Determines the toolbar automatic height. (Determina a altura automática da barra)",
                    T::Field(&C::autoHeight_))
          .Saves(u"Light3DColor", &C::light3DColor_)
          .Saves(u"Shadow3DColor", &C::shadow3DColor_)
          .Saves(u"BackColor", &C::backColor_)
          .Saves(u"AutoHeight", &C::autoHeight_);
  return table;
}

}  // namespace kelvo::klvctl32

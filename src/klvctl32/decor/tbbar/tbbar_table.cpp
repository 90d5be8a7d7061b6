// KelvoTBBar's members in the slot order of _KelvoTBBar, and its persisted set
// in save order. BackColor also becomes the surface background.
#include "klvctl32/decor/tbbar/tbbar.h"
#include "klvctl32/host/help_strings.h"

namespace kelvo::klvctl32 {

const ControlTable<KelvoTBBar>& KelvoTBBar::Table() {
  using T = ControlTable<KelvoTBBar>;
  using C = KelvoTBBar;
  static const T table =
      T(&C::Changed)
          .Property(u"Light3DColor", ColorT(), help::kLight3DColor, T::Field(&C::light3DColor_))
          .Property(u"Shadow3DColor", ColorT(), help::kShadow3DColor, T::Field(&C::shadow3DColor_))
          .Property(u"BackColor", ColorT(), help::kBackColor, T::Calls(&C::BackColor, &C::SetBackColor))
          .Property(u"ShowLeftLines", BooleanT(),
                    u"Show the grip lines at the left of the bar. (Exibe as linhas de arraste a esquerda da barra)",
                    T::Field(&C::showLeftLines_))
          .Property(u"ShowTwoLeftLines", BooleanT(),
                    u"Show one or two left lines in the bar. (Exibe uma ou duas linhas a esquerda da barra)",
                    T::Field(&C::showTwoLeftLines_))
          .Property(u"AutoHeight", EnumT(u"kcSizeBar"),
                    u"Determines the toolbar automatic height. (Determina a altura automática da barra)",
                    T::Field(&C::autoHeight_))
          .Saves(u"Light3DColor", &C::light3DColor_)
          .Saves(u"Shadow3DColor", &C::shadow3DColor_)
          .Saves(u"BackColor", &C::backColor_)
          .Saves(u"ShowLeftLines", &C::showLeftLines_)
          .Saves(u"AutoHeight", &C::autoHeight_)
          .Saves(u"ShowTwoLeftLines", &C::showTwoLeftLines_);
  return table;
}

}  // namespace kelvo::klvctl32

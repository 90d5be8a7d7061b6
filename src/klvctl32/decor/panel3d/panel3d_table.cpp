// KelvoPanel3D's members in the slot order of _KelvoPanel3D, and its
// persisted set in save order.
#include "klvctl32/decor/panel3d/panel3d.h"
#include "klvctl32/host/help_strings.h"

namespace kelvo::klvctl32 {

const ControlTable<KelvoPanel3D>& KelvoPanel3D::Table() {
  using T = ControlTable<KelvoPanel3D>;
  static const T table =
      T(&KelvoPanel3D::Changed)
          .Property(u"Light3DColor", ColorT(), help::kLight3DColor, T::Field(&KelvoPanel3D::light3DColor_))
          .Property(u"Shadow3DColor", ColorT(), help::kShadow3DColor, T::Field(&KelvoPanel3D::shadow3DColor_))
          .Property(u"BackColor", ColorT(), help::kBackColor, T::Field(&KelvoPanel3D::backColor_))
          .Property(u"BorderOut", EnumT(u"KLV_BorderStyle"), u"Border outside styles. (Estilo da borda externa)",
                    T::Field(&KelvoPanel3D::borderOut_))
          .Property(u"BorderIn", EnumT(u"KLV_BorderStyle"), u"Border inside styles. (Estilo da borda interna)",
                    T::Field(&KelvoPanel3D::borderIn_))
          .Property(u"BorderWidth", IntegerT(), u"Border width. (Largura da borda)",
                    T::Field(&KelvoPanel3D::borderWidth_))
          .Saves(u"BackColor", &KelvoPanel3D::backColor_)
          .Saves(u"Light3DColor", &KelvoPanel3D::light3DColor_)
          .Saves(u"Shadow3DColor", &KelvoPanel3D::shadow3DColor_)
          .Saves(u"BorderIn", &KelvoPanel3D::borderIn_)
          .Saves(u"BorderOut", &KelvoPanel3D::borderOut_)
          .Saves(u"BorderWidth", &KelvoPanel3D::borderWidth_);
  return table;
}

}  // namespace kelvo::klvctl32

// KelvoLine3D's members in the slot order of _KelvoLine3D, and its persisted
// set in save order. Loading does not repaint: Show and Resize follow.
#include "klvctl32/decor/line3d/line3d.h"
#include "klvctl32/host/help_strings.h"

namespace kelvo::klvctl32 {

const ControlTable<KelvoLine3D>& KelvoLine3D::Table() {
  using T = ControlTable<KelvoLine3D>;
  static const T table =
      T(&KelvoLine3D::Changed)
          .Property(u"Light3DColor", ColorT(), help::kLight3DColor, T::Field(&KelvoLine3D::light3DColor_))
          .Property(u"Shadow3DColor", ColorT(), help::kShadow3DColor, T::Field(&KelvoLine3D::shadow3DColor_))
          .Property(u"LineStyle", EnumT(u"KLV_LineStyle"), u"Line styles. (Estilo da linha)",
                    T::Field(&KelvoLine3D::lineStyle_))
          .Property(u"LineOrientation", EnumT(u"KLV_LineOrientation"), u"Line orientation. (Orientação da linha)",
                    T::Field(&KelvoLine3D::lineOrientation_))
          .Saves(u"Light3DColor", &KelvoLine3D::light3DColor_)
          .Saves(u"Shadow3DColor", &KelvoLine3D::shadow3DColor_)
          .Saves(u"LineStyle", &KelvoLine3D::lineStyle_)
          .Saves(u"LineOrientation", &KelvoLine3D::lineOrientation_);
  return table;
}

}  // namespace kelvo::klvctl32

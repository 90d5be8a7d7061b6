// KelvoLine3D's members by name, in the order of its interface.
#include "klvctl32/decor/line3d/line3d.h"
#include "klvctl32/host/property_values.h"

namespace kelvo::klvctl32 {

const com::DispatchMap<KelvoLine3D>& KelvoLine3D::Members() {
  using Map = com::DispatchMap<KelvoLine3D>;
  using V = com::Variant;
  static const Map map{
      Map::Get(u"Light3DColor", [](KelvoLine3D& c) { return FromColor(c.Light3DColor()); }),
      Map::Let(u"Light3DColor", [](KelvoLine3D& c, const V& v) { c.SetLight3DColor(ToColor(v)); }),
      Map::Get(u"Shadow3DColor", [](KelvoLine3D& c) { return FromColor(c.Shadow3DColor()); }),
      Map::Let(u"Shadow3DColor", [](KelvoLine3D& c, const V& v) { c.SetShadow3DColor(ToColor(v)); }),
      Map::Get(u"LineStyle", [](KelvoLine3D& c) { return V::Long(c.LineStyle()); }),
      Map::Let(u"LineStyle", [](KelvoLine3D& c, const V& v) { c.SetLineStyle(v.ToInteger()); }),
      Map::Get(u"LineOrientation", [](KelvoLine3D& c) { return V::Long(c.LineOrientation()); }),
      Map::Let(u"LineOrientation", [](KelvoLine3D& c, const V& v) { c.SetLineOrientation(v.ToInteger()); }),
  };
  return map;
}

}  // namespace kelvo::klvctl32

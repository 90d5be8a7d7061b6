// KelvoPanel3D's members by name, in the order of its interface.
#include "klvctl32/decor/panel3d/panel3d.h"
#include "klvctl32/host/property_values.h"

namespace kelvo::klvctl32 {

const com::DispatchMap<KelvoPanel3D>& KelvoPanel3D::Members() {
  using Map = com::DispatchMap<KelvoPanel3D>;
  using V = com::Variant;
  static const Map map{
      Map::Get(u"Light3DColor", [](KelvoPanel3D& c) { return FromColor(c.Light3DColor()); }),
      Map::Let(u"Light3DColor", [](KelvoPanel3D& c, const V& v) { c.SetLight3DColor(ToColor(v)); }),
      Map::Get(u"Shadow3DColor", [](KelvoPanel3D& c) { return FromColor(c.Shadow3DColor()); }),
      Map::Let(u"Shadow3DColor", [](KelvoPanel3D& c, const V& v) { c.SetShadow3DColor(ToColor(v)); }),
      Map::Get(u"BackColor", [](KelvoPanel3D& c) { return FromColor(c.BackColor()); }),
      Map::Let(u"BackColor", [](KelvoPanel3D& c, const V& v) { c.SetBackColor(ToColor(v)); }),
      Map::Get(u"BorderOut", [](KelvoPanel3D& c) { return V::Long(c.BorderOut()); }),
      Map::Let(u"BorderOut", [](KelvoPanel3D& c, const V& v) { c.SetBorderOut(v.ToInteger()); }),
      Map::Get(u"BorderIn", [](KelvoPanel3D& c) { return V::Long(c.BorderIn()); }),
      Map::Let(u"BorderIn", [](KelvoPanel3D& c, const V& v) { c.SetBorderIn(v.ToInteger()); }),
      Map::Get(u"BorderWidth", [](KelvoPanel3D& c) { return V::Integer(c.BorderWidth()); }),
      Map::Let(u"BorderWidth", [](KelvoPanel3D& c, const V& v) { c.SetBorderWidth(v.ToInteger()); }),
  };
  return map;
}

}  // namespace kelvo::klvctl32

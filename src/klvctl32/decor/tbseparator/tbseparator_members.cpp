// KelvoTBSeparator's members by name, in the order of its interface.
#include "klvctl32/decor/tbseparator/tbseparator.h"
#include "klvctl32/host/property_values.h"

namespace kelvo::klvctl32 {

const com::DispatchMap<KelvoTBSeparator>& KelvoTBSeparator::Members() {
  using Map = com::DispatchMap<KelvoTBSeparator>;
  using V = com::Variant;
  static const Map map{
      Map::Get(u"Light3DColor", [](KelvoTBSeparator& c) { return FromColor(c.Light3DColor()); }),
      Map::Let(u"Light3DColor", [](KelvoTBSeparator& c, const V& v) { c.SetLight3DColor(ToColor(v)); }),
      Map::Get(u"Shadow3DColor", [](KelvoTBSeparator& c) { return FromColor(c.Shadow3DColor()); }),
      Map::Let(u"Shadow3DColor", [](KelvoTBSeparator& c, const V& v) { c.SetShadow3DColor(ToColor(v)); }),
      Map::Get(u"BackColor", [](KelvoTBSeparator& c) { return FromColor(c.BackColor()); }),
      Map::Let(u"BackColor", [](KelvoTBSeparator& c, const V& v) { c.SetBackColor(ToColor(v)); }),
      Map::Get(u"AutoHeight", [](KelvoTBSeparator& c) { return V::Integer(c.AutoHeight()); }),
      Map::Let(u"AutoHeight", [](KelvoTBSeparator& c, const V& v) { c.SetAutoHeight(v.ToInteger()); }),
  };
  return map;
}

}  // namespace kelvo::klvctl32

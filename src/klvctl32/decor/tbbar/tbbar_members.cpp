// KelvoTBBar's members by name, in the order of its interface.
#include "klvctl32/decor/tbbar/tbbar.h"
#include "klvctl32/host/property_values.h"

namespace kelvo::klvctl32 {

const com::DispatchMap<KelvoTBBar>& KelvoTBBar::Members() {
  using Map = com::DispatchMap<KelvoTBBar>;
  using V = com::Variant;
  static const Map map{
      Map::Get(u"Light3DColor", [](KelvoTBBar& c) { return FromColor(c.Light3DColor()); }),
      Map::Let(u"Light3DColor", [](KelvoTBBar& c, const V& v) { c.SetLight3DColor(ToColor(v)); }),
      Map::Get(u"Shadow3DColor", [](KelvoTBBar& c) { return FromColor(c.Shadow3DColor()); }),
      Map::Let(u"Shadow3DColor", [](KelvoTBBar& c, const V& v) { c.SetShadow3DColor(ToColor(v)); }),
      Map::Get(u"BackColor", [](KelvoTBBar& c) { return FromColor(c.BackColor()); }),
      Map::Let(u"BackColor", [](KelvoTBBar& c, const V& v) { c.SetBackColor(ToColor(v)); }),
      Map::Get(u"ShowLeftLines", [](KelvoTBBar& c) { return V::Boolean(c.ShowLeftLines()); }),
      Map::Let(u"ShowLeftLines", [](KelvoTBBar& c, const V& v) { c.SetShowLeftLines(v.ToBoolean()); }),
      Map::Get(u"ShowTwoLeftLines", [](KelvoTBBar& c) { return V::Boolean(c.ShowTwoLeftLines()); }),
      Map::Let(u"ShowTwoLeftLines", [](KelvoTBBar& c, const V& v) { c.SetShowTwoLeftLines(v.ToBoolean()); }),
      Map::Get(u"AutoHeight", [](KelvoTBBar& c) { return V::Long(c.AutoHeight()); }),
      Map::Let(u"AutoHeight", [](KelvoTBBar& c, const V& v) { c.SetAutoHeight(v.ToInteger()); }),
  };
  return map;
}

}  // namespace kelvo::klvctl32

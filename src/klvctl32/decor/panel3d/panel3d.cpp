#include "klvctl32/decor/panel3d/panel3d.h"

#include "klvctl32/decor/panel3d/panel3d_typeinfo.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& KelvoPanel3D::Info() { return KelvoPanel3DInfo(); }

void KelvoPanel3D::Initialize() {
  CacheScreenFactors();
  backColor_ = Surface().BackColor();
  light3DColor_ = 0x80000014u;
  shadow3DColor_ = 0x80000010u;
  borderOut_ = KLVPN_Raised;
  borderIn_ = KLVPN_Lowered;
  borderWidth_ = 5;
}

void KelvoPanel3D::ReadProperties(forms::IPropertyBag& bag) {
  Table().Load(*this, bag);
  DrawPanel();
}

void KelvoPanel3D::Changed(std::u16string_view property) {
  PropertyChanged(property);
  DrawPanel();
}

}  // namespace kelvo::klvctl32

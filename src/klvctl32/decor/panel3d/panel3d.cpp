#include "klvctl32/decor/panel3d/panel3d.h"

#include "klvctl32/decor/panel3d/panel3d_typeinfo.h"
#include "klvctl32/host/property_values.h"

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
  backColor_ = ReadColor(bag, u"BackColor", backColor_);
  light3DColor_ = ReadColor(bag, u"Light3DColor", light3DColor_);
  shadow3DColor_ = ReadColor(bag, u"Shadow3DColor", shadow3DColor_);
  borderIn_ = ReadInteger(bag, u"BorderIn", borderIn_);
  borderOut_ = ReadInteger(bag, u"BorderOut", borderOut_);
  borderWidth_ = ReadInteger(bag, u"BorderWidth", borderWidth_);
  DrawPanel();
}

void KelvoPanel3D::WriteProperties(forms::IPropertyBag& bag) {
  WriteColor(bag, u"BackColor", backColor_);
  WriteColor(bag, u"Light3DColor", light3DColor_);
  WriteColor(bag, u"Shadow3DColor", shadow3DColor_);
  WriteInteger(bag, u"BorderIn", borderIn_);
  WriteInteger(bag, u"BorderOut", borderOut_);
  WriteInteger(bag, u"BorderWidth", borderWidth_);
}

void KelvoPanel3D::Changed(std::u16string_view property) {
  PropertyChanged(property);
  DrawPanel();
}

void KelvoPanel3D::SetLight3DColor(gfx::OleColor value) {
  light3DColor_ = value;
  Changed(u"Light3DColor");
}

void KelvoPanel3D::SetShadow3DColor(gfx::OleColor value) {
  shadow3DColor_ = value;
  Changed(u"Shadow3DColor");
}

void KelvoPanel3D::SetBackColor(gfx::OleColor value) {
  backColor_ = value;
  Changed(u"BackColor");
}

void KelvoPanel3D::SetBorderOut(std::int16_t value) {
  borderOut_ = value;
  Changed(u"BorderOut");
}

void KelvoPanel3D::SetBorderIn(std::int16_t value) {
  borderIn_ = value;
  Changed(u"BorderIn");
}

void KelvoPanel3D::SetBorderWidth(std::int16_t value) {
  borderWidth_ = value;
  Changed(u"BorderWidth");
}

}  // namespace kelvo::klvctl32

#include "klvctl32/decor/line3d/line3d.h"

#include "klvctl32/decor/line3d/line3d_typeinfo.h"
#include "klvctl32/host/property_values.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& KelvoLine3D::Info() { return KelvoLine3DInfo(); }

void KelvoLine3D::Initialize() {
  CacheScreenFactors();
  light3DColor_ = 0x80000014u;
  shadow3DColor_ = 0x80000010u;
  lineStyle_ = LnRaised;
  lineOrientation_ = LnHorizontal;
}

// Loading does not repaint: Show and Resize follow.
void KelvoLine3D::ReadProperties(forms::IPropertyBag& bag) {
  light3DColor_ = ReadColor(bag, u"Light3DColor", light3DColor_);
  shadow3DColor_ = ReadColor(bag, u"Shadow3DColor", shadow3DColor_);
  lineStyle_ = ReadInteger(bag, u"LineStyle", lineStyle_);
  lineOrientation_ = ReadInteger(bag, u"LineOrientation", lineOrientation_);
}

void KelvoLine3D::WriteProperties(forms::IPropertyBag& bag) {
  WriteColor(bag, u"Light3DColor", light3DColor_);
  WriteColor(bag, u"Shadow3DColor", shadow3DColor_);
  WriteInteger(bag, u"LineStyle", lineStyle_);
  WriteInteger(bag, u"LineOrientation", lineOrientation_);
}

void KelvoLine3D::Changed(std::u16string_view property) {
  PropertyChanged(property);
  DrawLine3D();
}

void KelvoLine3D::SetLight3DColor(gfx::OleColor value) {
  light3DColor_ = value;
  Changed(u"Light3DColor");
}

void KelvoLine3D::SetShadow3DColor(gfx::OleColor value) {
  shadow3DColor_ = value;
  Changed(u"Shadow3DColor");
}

void KelvoLine3D::SetLineStyle(std::int16_t value) {
  lineStyle_ = value;
  Changed(u"LineStyle");
}

void KelvoLine3D::SetLineOrientation(std::int16_t value) {
  lineOrientation_ = value;
  Changed(u"LineOrientation");
}

}  // namespace kelvo::klvctl32

#include "klvctl32/decor/tbseparator/tbseparator.h"

#include "klvctl32/decor/tbseparator/tbseparator_typeinfo.h"
#include "klvctl32/host/property_values.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& KelvoTBSeparator::Info() { return KelvoTBSeparatorInfo(); }

void KelvoTBSeparator::Initialize() {
  CacheScreenFactors();
  light3DColor_ = 0x80000014u;
  shadow3DColor_ = 0x80000010u;
  backColor_ = 0x8000000Fu;
  autoHeight_ = 1;
}

void KelvoTBSeparator::ReadProperties(forms::IPropertyBag& bag) {
  light3DColor_ = ReadColor(bag, u"Light3DColor", light3DColor_);
  shadow3DColor_ = ReadColor(bag, u"Shadow3DColor", shadow3DColor_);
  backColor_ = ReadColor(bag, u"BackColor", backColor_);
  autoHeight_ = ReadInteger(bag, u"AutoHeight", autoHeight_);
  Surface().SetBackColor(backColor_);
  Show();
}

void KelvoTBSeparator::WriteProperties(forms::IPropertyBag& bag) {
  WriteColor(bag, u"Light3DColor", light3DColor_);
  WriteColor(bag, u"Shadow3DColor", shadow3DColor_);
  WriteColor(bag, u"BackColor", backColor_);
  WriteInteger(bag, u"AutoHeight", autoHeight_);
}

void KelvoTBSeparator::Changed(std::u16string_view property) {
  PropertyChanged(property);
  Show();
}

void KelvoTBSeparator::SetLight3DColor(gfx::OleColor value) {
  light3DColor_ = value;
  Changed(u"Light3DColor");
}

void KelvoTBSeparator::SetShadow3DColor(gfx::OleColor value) {
  shadow3DColor_ = value;
  Changed(u"Shadow3DColor");
}

void KelvoTBSeparator::SetBackColor(gfx::OleColor value) {
  backColor_ = value;
  Surface().SetBackColor(value);
  Changed(u"BackColor");
}

void KelvoTBSeparator::SetAutoHeight(std::int16_t value) {
  autoHeight_ = value;
  Changed(u"AutoHeight");
}

}  // namespace kelvo::klvctl32

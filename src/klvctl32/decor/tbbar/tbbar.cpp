#include "klvctl32/decor/tbbar/tbbar.h"

#include "klvctl32/decor/tbbar/tbbar_typeinfo.h"
#include "klvctl32/host/property_values.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& KelvoTBBar::Info() { return KelvoTBBarInfo(); }

void KelvoTBBar::Initialize() {
  CacheScreenFactors();
  light3DColor_ = 0x80000014u;
  shadow3DColor_ = 0x80000010u;
  backColor_ = 0x8000000Fu;
  showLeftLines_ = true;
  showTwoLeftLines_ = true;
  autoHeight_ = kcBarTo16x16;
  gripPressed_ = false;
}

// A new bar asks its form to align it to the top edge.
void KelvoTBBar::InitProperties() {
  com::Variant align[] = {com::Variant::Integer(1)};
  Extender()->Invoke(u"Align", com::InvokeKind::Let, align);
}

// Loading sets the surface background but does not repaint.
void KelvoTBBar::ReadProperties(forms::IPropertyBag& bag) {
  light3DColor_ = ReadColor(bag, u"Light3DColor", light3DColor_);
  shadow3DColor_ = ReadColor(bag, u"Shadow3DColor", shadow3DColor_);
  backColor_ = ReadColor(bag, u"BackColor", backColor_);
  showLeftLines_ = ReadBoolean(bag, u"ShowLeftLines", showLeftLines_);
  autoHeight_ = ReadInteger(bag, u"AutoHeight", autoHeight_);
  showTwoLeftLines_ = ReadBoolean(bag, u"ShowTwoLeftLines", showTwoLeftLines_);
  Surface().SetBackColor(backColor_);
}

void KelvoTBBar::WriteProperties(forms::IPropertyBag& bag) {
  WriteColor(bag, u"Light3DColor", light3DColor_);
  WriteColor(bag, u"Shadow3DColor", shadow3DColor_);
  WriteColor(bag, u"BackColor", backColor_);
  WriteBoolean(bag, u"ShowLeftLines", showLeftLines_);
  WriteInteger(bag, u"AutoHeight", autoHeight_);
  WriteBoolean(bag, u"ShowTwoLeftLines", showTwoLeftLines_);
}

void KelvoTBBar::Changed(std::u16string_view property) {
  PropertyChanged(property);
  Resize();
}

void KelvoTBBar::SetLight3DColor(gfx::OleColor value) {
  light3DColor_ = value;
  Changed(u"Light3DColor");
}

void KelvoTBBar::SetShadow3DColor(gfx::OleColor value) {
  shadow3DColor_ = value;
  Changed(u"Shadow3DColor");
}

void KelvoTBBar::SetBackColor(gfx::OleColor value) {
  backColor_ = value;
  Surface().SetBackColor(value);
  Changed(u"BackColor");
}

void KelvoTBBar::SetShowLeftLines(bool value) {
  showLeftLines_ = value;
  Changed(u"ShowLeftLines");
}

void KelvoTBBar::SetShowTwoLeftLines(bool value) {
  showTwoLeftLines_ = value;
  Changed(u"ShowTwoLeftLines");
}

void KelvoTBBar::SetAutoHeight(std::int16_t value) {
  autoHeight_ = value;
  Changed(u"AutoHeight");
}

}  // namespace kelvo::klvctl32

#include "klvctl32/decor/tbbar/tbbar.h"

#include "klvctl32/decor/tbbar/tbbar_typeinfo.h"

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
  Table().Load(*this, bag);
  Surface().SetBackColor(backColor_);
}

void KelvoTBBar::Changed(std::u16string_view property) {
  PropertyChanged(property);
  Resize();
}

void KelvoTBBar::SetBackColor(gfx::OleColor value) {
  backColor_ = value;
  Surface().SetBackColor(value);
  Changed(u"BackColor");
}

}  // namespace kelvo::klvctl32

#include "klvctl32/decor/tbseparator/tbseparator.h"

#include "klvctl32/decor/tbseparator/tbseparator_typeinfo.h"

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
  Table().Load(*this, bag);
  Surface().SetBackColor(backColor_);
  Show();
}

void KelvoTBSeparator::Changed(std::u16string_view property) {
  PropertyChanged(property);
  Show();
}

void KelvoTBSeparator::SetBackColor(gfx::OleColor value) {
  backColor_ = value;
  Surface().SetBackColor(value);
  Changed(u"BackColor");
}

}  // namespace kelvo::klvctl32

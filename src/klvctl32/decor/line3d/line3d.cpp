#include "klvctl32/decor/line3d/line3d.h"

#include "klvctl32/decor/line3d/line3d_typeinfo.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& KelvoLine3D::Info() { return KelvoLine3DInfo(); }

void KelvoLine3D::Initialize() {
  CacheScreenFactors();
  light3DColor_ = 0x80000014u;
  shadow3DColor_ = 0x80000010u;
  lineStyle_ = LnRaised;
  lineOrientation_ = LnHorizontal;
}

void KelvoLine3D::Changed(std::u16string_view property) {
  PropertyChanged(property);
  DrawLine3D();
}

}  // namespace kelvo::klvctl32

#include "klvctl32/buttons/face_typeinfo.h"

namespace kelvo::klvctl32 {

const com::EnumInfo& kcPictSizeInfo() {
  static const com::EnumInfo info{u"kcPictSize", {{u"kc16x16", 0}, {u"kc32x32", 1}}};
  return info;
}

const com::EnumInfo& kcPictPositionInfo() {
  static const com::EnumInfo info{u"kcPictPosition",
                                  {{u"kcTop", 0}, {u"kcBottom", 1}, {u"kcLeft", 2}, {u"kcRight", 3}}};
  return info;
}

const com::EnumInfo& kcStyleInfo() {
  static const com::EnumInfo info{u"kcStyle", {{u"kc3D", 0}, {u"kcFlat", 1}}};
  return info;
}

}  // namespace kelvo::klvctl32

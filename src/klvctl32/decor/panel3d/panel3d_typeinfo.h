#pragma once
// Type information of KelvoPanel3D and its enumeration KLV_BorderStyle.

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::EnumInfo& KLV_BorderStyleInfo();
const com::CoClassInfo& KelvoPanel3DInfo();

}  // namespace kelvo::klvctl32

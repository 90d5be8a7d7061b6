#pragma once
// Type information of KelvoLine3D and its enumerations KLV_LineStyle and
// KLV_LineOrientation.

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::EnumInfo& KLV_LineStyleInfo();
const com::EnumInfo& KLV_LineOrientationInfo();
const com::CoClassInfo& KelvoLine3DInfo();

}  // namespace kelvo::klvctl32

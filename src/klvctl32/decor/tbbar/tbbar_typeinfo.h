#pragma once
// Type information of KelvoTBBar and its enumeration kcSizeBar.

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::EnumInfo& kcSizeBarInfo();
const com::CoClassInfo& KelvoTBBarInfo();

}  // namespace kelvo::klvctl32

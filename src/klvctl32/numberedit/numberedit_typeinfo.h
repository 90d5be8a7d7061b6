#pragma once
// Type information of KelvoNumberEdit and its enumeration eNumberFormat.

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::EnumInfo& eNumberFormatInfo();
const com::CoClassInfo& KelvoNumberEditInfo();

}  // namespace kelvo::klvctl32

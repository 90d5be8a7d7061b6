#pragma once
// Type information of KelvoTextEdit and its enumeration kcTextStyle.

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::EnumInfo& kcTextStyleInfo();
const com::CoClassInfo& KelvoTextEditInfo();

}  // namespace kelvo::klvctl32

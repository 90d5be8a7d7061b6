#pragma once
// Type information of KelvoTBSeparator.

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& KelvoTBSeparatorInfo();

}  // namespace kelvo::klvctl32

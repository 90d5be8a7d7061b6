#pragma once
// Type information of the focus engine KelvoEnginer.

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& KelvoEnginerInfo();

}  // namespace kelvo::klvctl32

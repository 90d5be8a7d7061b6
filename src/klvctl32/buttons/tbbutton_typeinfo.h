#pragma once
// Type information of KelvoTBButton.

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& KelvoTBButtonInfo();

}  // namespace kelvo::klvctl32

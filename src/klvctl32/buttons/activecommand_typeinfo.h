#pragma once
// Type information of KelvoActiveCommand.

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& KelvoActiveCommandInfo();

}  // namespace kelvo::klvctl32

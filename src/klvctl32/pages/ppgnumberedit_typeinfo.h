#pragma once
// Type information of the property page ppgNumberEdit.

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& ppgNumberEditInfo();

}  // namespace kelvo::klvctl32

#pragma once
// Type information of the property page ppgButtons.

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& ppgButtonsInfo();

}  // namespace kelvo::klvctl32

#pragma once
// Type information of the property page ppgTextEdit.

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& ppgTextEditInfo();

}  // namespace kelvo::klvctl32

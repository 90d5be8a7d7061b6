#pragma once
// Type information of KelvoCopyFile and its enumeration KC_BlockSize.

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::EnumInfo& KC_BlockSizeInfo();
const com::CoClassInfo& KelvoCopyFileInfo();

}  // namespace kelvo::klvctl32

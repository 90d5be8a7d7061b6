#pragma once
// Type information shared by the two buttons: the face enumerations
// kcPictSize, kcPictPosition and kcStyle (the face members are in
// face_table.h).

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::EnumInfo& kcPictSizeInfo();
const com::EnumInfo& kcPictPositionInfo();
const com::EnumInfo& kcStyleInfo();

}  // namespace kelvo::klvctl32

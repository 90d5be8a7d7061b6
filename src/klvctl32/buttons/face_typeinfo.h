#pragma once
// Type information shared by the two buttons: the face enumerations
// kcPictSize, kcPictPosition and kcStyle, and the face members from Caption to
// Style, in slot order.

#include "klvctl32/host/type_table.h"
#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::EnumInfo& kcPictSizeInfo();
const com::EnumInfo& kcPictPositionInfo();
const com::EnumInfo& kcStyleInfo();

// Appends Caption ... Style to a button's member table.
MemberTable& AddButtonFaceMembers(MemberTable& table);

}  // namespace kelvo::klvctl32

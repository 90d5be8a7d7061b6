#pragma once
// The type library KLVCTL32: the class catalogue with every class's interfaces
// and the enumerations, as the container, the designer and the console read it.

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

const com::TypeLibInfo& TypeLibrary();

}  // namespace kelvo::klvctl32

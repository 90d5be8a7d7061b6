#pragma once
// The library's count of live objects and server locks, behind DllCanUnloadNow.
// Every control and class factory counts itself here for its whole life.

#include "platform/com/unknown.h"

namespace kelvo::klvctl32 {

com::ModuleCounter& Module();

}  // namespace kelvo::klvctl32

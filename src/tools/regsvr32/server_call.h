#pragma once
// Loading a component server library and calling one of its registration
// entry points.

#include <string>
#include <string_view>

#include "platform/com/hresult.h"

namespace kelvo::regsvr32 {

enum class CallStatus {
  Succeeded,          // the entry point returned a success code
  LoadFailed,         // the file is damaged, or dlopen refused it
  EntryPointMissing,  // the library itself does not define the entry point
  EntryPointFailed,   // the entry point returned a failure code
  EntryPointThrew,    // the entry point let an exception escape
};

struct CallOutcome {
  CallStatus status = CallStatus::Succeeded;
  com::HRESULT result = com::S_OK;  // what the entry point returned
  std::string detail;               // loader error, exception message or the registry's failure
};

// "DllRegisterServer", or "DllUnregisterServer" when unregistering.
std::string_view EntryPointName(bool unregister);

// Loads the library at path, calls entry_point (a com::DllRegisterServerFn)
// and unloads the library again.
CallOutcome CallEntryPoint(std::string_view path, std::string_view entry_point);

}  // namespace kelvo::regsvr32

#pragma once
// One run of the registration tool over every library of its command line.

#include <ostream>

#include "tools/regsvr32/command_line.h"
#include "tools/regsvr32/server_call.h"

namespace kelvo::regsvr32 {

enum ExitCode : int {
  kExitOk = 0,
  kExitBadCommandLine = 1,
  kExitLoadFailed = 3,
  kExitEntryPointMissing = 4,
  kExitEntryPointFailed = 5,
};

ExitCode ExitCodeFor(CallStatus status);

// Calls the entry point of every library in order, reports each outcome on
// messages (only failures when silent) and returns the exit code of the first
// failure, or kExitOk.
ExitCode RunRegistration(const CommandLine& line, std::ostream& messages);

}  // namespace kelvo::regsvr32

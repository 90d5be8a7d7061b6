#include "tools/regsvr32/registration_run.h"

#include "tools/regsvr32/outcome_report.h"

namespace kelvo::regsvr32 {

ExitCode ExitCodeFor(CallStatus status) {
  switch (status) {
    case CallStatus::Succeeded:
      return kExitOk;
    case CallStatus::LoadFailed:
      return kExitLoadFailed;
    case CallStatus::EntryPointMissing:
      return kExitEntryPointMissing;
    case CallStatus::EntryPointFailed:
    case CallStatus::EntryPointThrew:
      return kExitEntryPointFailed;
  }
  return kExitEntryPointFailed;
}

ExitCode RunRegistration(const CommandLine& line, std::ostream& messages) {
  const std::string_view entry_point = EntryPointName(line.unregister);
  ExitCode first_failure = kExitOk;
  for (const std::string& path : line.paths) {
    const CallOutcome outcome = CallEntryPoint(path, entry_point);
    const ExitCode code = ExitCodeFor(outcome.status);
    if (code != kExitOk || !line.silent) messages << DescribeOutcome(outcome, path, entry_point) << '\n' << std::flush;
    if (first_failure == kExitOk) first_failure = code;
  }
  return first_failure;
}

}  // namespace kelvo::regsvr32

#include "tools/regsvr32/outcome_report.h"

#include <cstdint>
#include <cstdio>

namespace kelvo::regsvr32 {

std::string HexCode(com::HRESULT code) {
  char text[11];
  std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(static_cast<std::uint32_t>(code)));
  return text;
}

std::string DescribeOutcome(const CallOutcome& outcome, std::string_view path, std::string_view entry_point) {
  const std::string file(path);
  const std::string entry(entry_point);
  switch (outcome.status) {
    case CallStatus::Succeeded:
      return entry + " in " + file + " succeeded.";
    case CallStatus::LoadFailed:
      return "Could not load " + file + ": " + outcome.detail;
    case CallStatus::EntryPointMissing:
      return file + " was loaded, but it has no entry point " + entry + ".";
    case CallStatus::EntryPointFailed:
      return entry + " in " + file + " failed with code " + HexCode(outcome.result) +
             (outcome.detail.empty() ? "." : ": " + outcome.detail);
    case CallStatus::EntryPointThrew:
      return entry + " in " + file + " failed with an exception: " + outcome.detail;
  }
  return entry + " in " + file + ": unknown outcome.";
}

}  // namespace kelvo::regsvr32

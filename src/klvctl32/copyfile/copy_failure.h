#pragma once
// A failure of the copy itself (a file that cannot be opened, read, written
// or closed, a volume counter past its range), carrying the runtime's error
// number the copier reports in its Error event. Errors raised by the
// application's own event handlers are not CopyFailures and pass through.

#include <cstdint>

namespace kelvo::klvctl32 {

struct CopyFailure {
  std::int16_t number;
};

// The runtime's number for a failed file operation: 76 path not found,
// 70 permission denied, 61 disk full (also a file-size limit), 57 device I/O
// error, 75 path/file access error for every other failure.
std::int16_t FileErrorNumber(int errnoValue);
[[noreturn]] void FailWithErrno(int errnoValue);

}  // namespace kelvo::klvctl32

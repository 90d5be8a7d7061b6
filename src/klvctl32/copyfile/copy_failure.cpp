#include "klvctl32/copyfile/copy_failure.h"

#include <cerrno>

#include "platform/com/error.h"

namespace kelvo::klvctl32 {

namespace {
constexpr std::int16_t kDeviceIOError = 57;
}  // namespace

std::int16_t FileErrorNumber(int errnoValue) {
  switch (errnoValue) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return com::err::kPathNotFound;
    case EACCES:
    case EPERM:
      return com::err::kPermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return com::err::kDiskFull;
    case EIO:
      return kDeviceIOError;
    default:
      return com::err::kPathFileAccess;
  }
}

void FailWithErrno(int errnoValue) { throw CopyFailure{FileErrorNumber(errnoValue)}; }

}  // namespace kelvo::klvctl32

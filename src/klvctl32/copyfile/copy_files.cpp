#include "klvctl32/copyfile/copy_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "klvctl32/copyfile/copy_failure.h"
#include "platform/base/text.h"
#include "platform/com/error.h"

namespace kelvo::klvctl32 {

namespace {

int OpenOrFail(const std::u16string& path, int flags, bool missingIsNotFound) {
  const int fd = ::open(text::ToUtf8(path).c_str(), flags | O_CLOEXEC, 0666);
  if (fd >= 0) return fd;
  const int error = errno;
  if (missingIsNotFound && error == ENOENT) throw CopyFailure{com::err::kFileNotFound};
  FailWithErrno(error);
}

struct stat StatOrFail(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int error = errno;
    ::close(fd);
    FailWithErrno(error);
  }
  return st;
}

}  // namespace

CopyFileHandle::CopyFileHandle(CopyFileHandle&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), stat_(other.stat_), written_(other.written_) {}

CopyFileHandle& CopyFileHandle::operator=(CopyFileHandle&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
    stat_ = other.stat_;
    written_ = other.written_;
  }
  return *this;
}

CopyFileHandle CopyFileHandle::OpenSource(const std::u16string& path) {
  const int fd = OpenOrFail(path, O_RDONLY, true);
  const struct stat st = StatOrFail(fd);
  if (S_ISDIR(st.st_mode)) {
    ::close(fd);
    FailWithErrno(EISDIR);
  }
  return CopyFileHandle(fd, st);
}

// Opened without O_TRUNC, so that a target naming the source is caught
// before anything is cut.
CopyFileHandle CopyFileHandle::OpenTarget(const std::u16string& path, const CopyFileHandle& source) {
  const int fd = OpenOrFail(path, O_WRONLY | O_CREAT, false);
  const struct stat st = StatOrFail(fd);
  if (st.st_dev == source.stat_.st_dev && st.st_ino == source.stat_.st_ino) {
    ::close(fd);
    throw CopyFailure{com::err::kPathFileAccess};
  }
  if (S_ISREG(st.st_mode) && st.st_size > 0 && ::ftruncate(fd, 0) != 0) {
    const int error = errno;
    ::close(fd);
    FailWithErrno(error);
  }
  return CopyFileHandle(fd, st);
}

void CopyFileHandle::CutTo(std::int64_t length) {
  if (!regular() || written_ <= length) return;
  if (::ftruncate(fd_, length) == 0) written_ = length;
}

void CopyFileHandle::Close() {
  if (fd_ >= 0) ::close(std::exchange(fd_, -1));
}

}  // namespace kelvo::klvctl32

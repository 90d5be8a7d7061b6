#pragma once
// The two open files of a copy. The source is opened for reading only, so a
// read-only source copies and a missing one is never created. A target is
// opened for writing without being replaced: a regular file is cut to length
// zero, anything else (a device, a pipe) is written in place, and a target
// that is the source itself is refused before a byte of it changes. Failures
// throw CopyFailure with the runtime's number.

#include <sys/stat.h>

#include <cstdint>
#include <string>

namespace kelvo::klvctl32 {

class CopyFileHandle {
 public:
  CopyFileHandle() = default;
  ~CopyFileHandle() { Close(); }
  CopyFileHandle(CopyFileHandle&& other) noexcept;
  CopyFileHandle& operator=(CopyFileHandle&& other) noexcept;
  CopyFileHandle(const CopyFileHandle&) = delete;
  CopyFileHandle& operator=(const CopyFileHandle&) = delete;

  // A missing source is error 53, as an empty one is.
  static CopyFileHandle OpenSource(const std::u16string& path);
  static CopyFileHandle OpenTarget(const std::u16string& path, const CopyFileHandle& source);

  int fd() const { return fd_; }
  bool regular() const { return S_ISREG(stat_.st_mode); }
  std::int64_t Length() const { return stat_.st_size; }
  // Fewer blocks allocated than the length needs: the file has holes.
  bool Sparse() const { return regular() && stat_.st_blocks * 512 < stat_.st_size; }
  // The first byte past everything written to this target so far.
  std::int64_t written() const { return written_; }
  void NoteWritten(std::int64_t end) {
    if (end > written_) written_ = end;
  }
  // Cuts a regular target back to `length` bytes when more went in; a
  // device or pipe keeps what it took.
  void CutTo(std::int64_t length);
  void Close();

 private:
  CopyFileHandle(int fd, const struct stat& st) : fd_(fd), stat_(st) {}

  int fd_ = -1;
  struct stat stat_ {};
  std::int64_t written_ = 0;
};

}  // namespace kelvo::klvctl32

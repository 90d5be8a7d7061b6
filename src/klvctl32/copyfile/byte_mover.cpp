#include "klvctl32/copyfile/byte_mover.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace kelvo::klvctl32 {

namespace {

constexpr std::size_t kBufferBytes = 1 << 20;

// copy_file_range answers these where the pair of files cannot be copied in
// the kernel; the read/write loop can still copy them.
bool RangeCopyUnsupported(int error) {
  return error == EXDEV || error == EINVAL || error == EOPNOTSUPP || error == ENOSYS || error == EBADF ||
         error == ETXTBSY;
}

}  // namespace

ByteMover::Moved ByteMover::Move(const CopyFileHandle& source, std::int64_t from, CopyFileHandle& target,
                                 std::int64_t to, std::int64_t length) {
  const std::int64_t start = to;
  const std::int64_t end = from + length;
  int error = 0;
  if (!target.regular()) {
    error = ReadWrite(source.fd(), from, target, to, end);
    return {to - start, error};
  }
  if (!source.Sparse()) error = MoveData(source, from, target, to, end);
  while (from < end && error == 0) {
    const std::int64_t data = NextData(source.fd(), from, end);
    if (data > from) {  // a hole: leave it unwritten
      to += data - from;
      from = data;
      continue;
    }
    error = MoveData(source, from, target, to, NextHole(source.fd(), from, end));
  }
  // A hole at the end of the run still counts towards the target's length.
  if (error == 0 && to > target.written() && ::ftruncate(target.fd(), to) != 0) error = errno;
  if (error == 0) target.NoteWritten(to);
  return {error == 0 ? to - start : std::min(to, target.written()) - start, error};
}

int ByteMover::MoveData(const CopyFileHandle& source, std::int64_t& from, CopyFileHandle& target, std::int64_t& to,
                        std::int64_t end) {
  if (rangeCopy_) {
    const int error = CopyRange(source.fd(), from, target.fd(), to, end);
    target.NoteWritten(to);
    if (!RangeCopyUnsupported(error)) return error;
    rangeCopy_ = false;
  }
  const int error = ReadWrite(source.fd(), from, target, to, end);
  target.NoteWritten(to);
  return error;
}

int ByteMover::CopyRange(int in, std::int64_t& from, int out, std::int64_t& to, std::int64_t end) {
  while (from < end) {
    loff_t inOff = from;
    loff_t outOff = to;
    const ssize_t n = ::copy_file_range(in, &inOff, out, &outOff, static_cast<std::size_t>(end - from), 0);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return ENODATA;  // the source ended before its length
    from += n;
    to += n;
  }
  return 0;
}

int ByteMover::ReadWrite(int in, std::int64_t& from, const CopyFileHandle& target, std::int64_t& to, std::int64_t end) {
  if (buffer_.empty()) buffer_.resize(kBufferBytes);
  while (from < end) {
    const auto want = static_cast<std::size_t>(std::min<std::int64_t>(end - from, kBufferBytes));
    const ssize_t got = ::pread(in, buffer_.data(), want, from);
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (got == 0) return ENODATA;
    for (ssize_t done = 0; done < got;) {
      const char* piece = buffer_.data() + done;
      const auto rest = static_cast<std::size_t>(got - done);
      const ssize_t put = target.regular() ? ::pwrite(target.fd(), piece, rest, to) : ::write(target.fd(), piece, rest);
      if (put < 0) {
        if (errno == EINTR) continue;
        return errno;
      }
      done += put;
      to += put;
      from += put;
    }
  }
  return 0;
}

std::int64_t ByteMover::NextData(int in, std::int64_t from, std::int64_t end) {
  if (!seekHoles_) return from;
  const off_t data = ::lseek(in, from, SEEK_DATA);
  if (data >= 0) return std::min<std::int64_t>(data, end);
  if (errno == ENXIO) return end;  // nothing but hole up to the end of the file
  seekHoles_ = false;
  return from;
}

std::int64_t ByteMover::NextHole(int in, std::int64_t from, std::int64_t end) {
  if (!seekHoles_) return end;
  const off_t hole = ::lseek(in, from, SEEK_HOLE);
  if (hole < 0) {
    seekHoles_ = false;
    return end;
  }
  return std::min<std::int64_t>(hole, end);
}

}  // namespace kelvo::klvctl32

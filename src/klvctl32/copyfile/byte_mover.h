#pragma once
// Moves a run of bytes from a source to a target at given offsets, in large
// pieces: copy_file_range between regular files where the file systems allow
// it, a read/write loop otherwise. Holes of a sparse source stay holes in a
// regular target. A device or pipe target is written in sequence.

#include <cstdint>
#include <vector>

#include "klvctl32/copyfile/copy_files.h"

namespace kelvo::klvctl32 {

class ByteMover {
 public:
  struct Moved {
    std::int64_t bytes = 0;  // in place in the target, from `to` on
    int error = 0;           // errno of the failure that stopped it, or 0
  };

  Moved Move(const CopyFileHandle& source, std::int64_t from, CopyFileHandle& target, std::int64_t to,
             std::int64_t length);

 private:
  // Each moves [from, end) of the source to `to` on, advancing both
  // offsets past what is in place; the errno that stopped it, or 0.
  int MoveData(const CopyFileHandle& source, std::int64_t& from, CopyFileHandle& target, std::int64_t& to,
               std::int64_t end);
  int CopyRange(int in, std::int64_t& from, int out, std::int64_t& to, std::int64_t end);
  int ReadWrite(int in, std::int64_t& from, const CopyFileHandle& target, std::int64_t& to, std::int64_t end);
  // Where the next data of the source starts at or after `from`; -1 when the
  // source has no holes to tell (or says so).
  std::int64_t NextData(int in, std::int64_t from, std::int64_t end);
  std::int64_t NextHole(int in, std::int64_t from, std::int64_t end);

  bool rangeCopy_ = true;
  bool seekHoles_ = true;
  std::vector<char> buffer_;
};

}  // namespace kelvo::klvctl32

#pragma once
// The one way the platform's programs write a file (snapshots, saved forms, the
// registry), so that a failed write never costs the user what was there:
// - a regular file or a new path is written to a temporary file beside it,
//   flushed to disk and renamed over the path only when complete;
// - an existing path that is not a regular file (a device, a pipe) is written
//   in place, and never removed or replaced;
// - on failure the error is thrown and the path is left as it was.

#include <sys/types.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace kelvo::file {

// "FILE: cannot write: REASON"; reason() is the system's own words.
class WriteError : public std::runtime_error {
 public:
  WriteError(const std::filesystem::path& path, std::string reason)
      : std::runtime_error(path.string() + ": cannot write: " + reason), reason_(std::move(reason)) {}
  const std::string& reason() const { return reason_; }

 private:
  std::string reason_;
};

// The system calls a write goes through; tests replace one to make it fail.
struct SystemCalls {
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*write)(int fd, const void* data, size_t size);
  int (*fsync)(int fd);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
};
const SystemCalls& RealSystemCalls();

// Writes contents as the file at path, by the rule above; throws WriteError.
void WriteFile(const std::filesystem::path& path, std::string_view contents,
               const SystemCalls& calls = RealSystemCalls());

}  // namespace kelvo::file

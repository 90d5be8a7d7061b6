#include "platform/base/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <string>

namespace kelvo::file {
namespace {

int OpenFile(const char* path, int flags, mode_t mode) { return ::open(path, flags | O_CLOEXEC, mode); }

[[noreturn]] void Fail(const std::filesystem::path& path, int error) {
  throw WriteError(path, std::strerror(error));
}

// Over a file-size limit the kernel kills a writer with SIGXFSZ unless it is
// ignored; ignored, the write fails with EFBIG and is reported like any other.
void IgnoreFileSizeSignal() {
  static const bool ignored = (std::signal(SIGXFSZ, SIG_IGN), true);
  (void)ignored;
}

int OpenRetrying(const SystemCalls& calls, const char* path, int flags, mode_t mode) {
  int fd;
  do {
    fd = calls.open(path, flags, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// Writes everything; the errno of the failure otherwise.
std::optional<int> WriteAll(const SystemCalls& calls, int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = calls.write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return ENOSPC;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return std::nullopt;
}

// Writes, flushes and closes fd; the errno of the first failure otherwise.
// fsync fails with EINVAL on devices and pipes that cannot flush: that is no
// failure of the write.
std::optional<int> WriteAndClose(const SystemCalls& calls, int fd, std::string_view data) {
  std::optional<int> error = WriteAll(calls, fd, data);
  if (!error && calls.fsync(fd) != 0 && errno != EINVAL && errno != EROFS) error = errno;
  if (calls.close(fd) != 0 && !error) error = errno;
  return error;
}

// The path a symbolic link leads to, so that the link itself stays.
std::filesystem::path Destination(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(path, ec)) return path;
  const std::filesystem::path target = std::filesystem::weakly_canonical(path, ec);
  return ec ? path : target;
}

void WriteInPlace(const std::filesystem::path& path, std::string_view contents, const SystemCalls& calls) {
  const int fd = OpenRetrying(calls, path.c_str(), O_WRONLY, 0);
  if (fd < 0) Fail(path, errno);
  if (const auto error = WriteAndClose(calls, fd, contents)) Fail(path, *error);
}

// A new name beside path, created here so that no other writer shares it.
int CreateTemporary(const std::filesystem::path& path, const SystemCalls& calls, std::string& name) {
  static std::atomic<unsigned> counter{0};
  for (;;) {
    name = path.string() + ".tmp." + std::to_string(::getpid()) + "." + std::to_string(counter++);
    const int fd = OpenRetrying(calls, name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
}

void FlushDirectoryOf(const std::filesystem::path& path) {
  const std::filesystem::path dir = path.has_parent_path() ? path.parent_path() : ".";
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;  // the file is complete; only its durability is at stake
  ::fsync(fd);
  ::close(fd);
}

void ReplaceRegularFile(const std::filesystem::path& path, std::string_view contents, const SystemCalls& calls,
                        const struct stat* old) {
  std::string temp;
  const int fd = CreateTemporary(path, calls, temp);
  if (fd < 0) Fail(path, errno);
  if (old != nullptr) ::fchmod(fd, old->st_mode & 07777);
  std::optional<int> error = WriteAndClose(calls, fd, contents);
  if (!error && calls.rename(temp.c_str(), path.c_str()) != 0) error = errno;
  if (error) {
    ::unlink(temp.c_str());
    Fail(path, *error);
  }
  FlushDirectoryOf(path);
}

}  // namespace

const SystemCalls& RealSystemCalls() {
  static const SystemCalls calls{OpenFile, ::write, ::fsync, ::close, ::rename};
  return calls;
}

void WriteFile(const std::filesystem::path& path, std::string_view contents, const SystemCalls& calls) {
  IgnoreFileSizeSignal();
  const std::filesystem::path destination = Destination(path);
  struct stat info {};
  if (::stat(destination.c_str(), &info) != 0) {
    if (errno != ENOENT) Fail(path, errno);
    ReplaceRegularFile(destination, contents, calls, nullptr);
  } else if (S_ISREG(info.st_mode)) {
    ReplaceRegularFile(destination, contents, calls, &info);
  } else {
    WriteInPlace(destination, contents, calls);
  }
}

}  // namespace kelvo::file

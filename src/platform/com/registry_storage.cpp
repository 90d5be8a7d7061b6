#include "platform/com/registry_storage.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "platform/base/file_write.h"
#include "platform/com/registry.h"

namespace kelvo::com::storage {
namespace {

[[noreturn]] void Fail(const std::filesystem::path& file, const std::string& action, int error) {
  throw RegistryError(file.string() + ": cannot " + action + ": " + std::strerror(error), 0);
}

// Closes a descriptor on scope exit.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
  int fd;
  do {
    fd = ::open(path, flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

}  // namespace

std::optional<std::string> ReadFileIfPresent(const std::filesystem::path& file) {
  Descriptor fd(OpenRetrying(file.c_str(), O_RDONLY));
  if (fd.get() < 0) {
    if (errno == ENOENT) return std::nullopt;
    Fail(file, "open", errno);
  }
  std::string data;
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail(file, "read", errno);
    if (n == 0) return data;
    data.append(buf, static_cast<std::size_t>(n));
  }
}

void ReplaceFile(const std::filesystem::path& file, std::string_view contents) {
  try {
    file::WriteFile(file, contents);
  } catch (const file::WriteError& e) {
    throw RegistryError(e.what(), 0);
  }
}

void CreateParentDirectories(const std::filesystem::path& file) {
  if (!file.has_parent_path()) return;
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  if (ec) Fail(file.parent_path(), "create the directory", ec.value());
}

ExclusiveLock::ExclusiveLock(const std::filesystem::path& lockFile)
    : fd_(OpenRetrying(lockFile.c_str(), O_RDWR | O_CREAT, 0644)) {
  if (fd_ < 0) Fail(lockFile, "open the lock file", errno);
  int rc;
  do {
    rc = ::flock(fd_, LOCK_EX);
  } while (rc != 0 && errno == EINTR);
  if (rc != 0) {
    const int error = errno;
    ::close(fd_);
    Fail(lockFile, "lock", error);
  }
}

ExclusiveLock::~ExclusiveLock() { ::close(fd_); }

}  // namespace kelvo::com::storage

#include "kcsetup/setup_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/base/text.h"
#include "platform/com/error.h"

namespace kelvo::kcsetup {
namespace {

namespace fs = std::filesystem;

std::u16string Named(const fs::path& file) { return text::FromUtf8(file.string()); }

com::Error Failure(const fs::path& file, const char* what, int error) {
  const std::int32_t number = error == ENOSPC ? com::err::kDiskFull
                              : error == EACCES || error == EPERM || error == EBUSY || error == ETXTBSY
                                  ? com::err::kPermissionDenied
                                  : com::err::kPathFileAccess;
  return com::Error(number, text::FromUtf8(std::string(what)) + u" " + Named(file) + u": " +
                                text::FromUtf8(std::strerror(error)));
}

// A file descriptor closed when it goes.
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

// A temporary file next to the target, removed unless it was renamed.
class TemporaryFile {
 public:
  explicit TemporaryFile(const fs::path& target) {
    std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = ::mkstemp(name.data());
    if (fd_ < 0) throw Failure(target, "Cannot create a file next to", errno);
    path_ = name.data();
  }
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int fd() const { return fd_; }
  void CloseOrThrow() {
    if (::close(std::exchange(fd_, -1)) != 0) throw Failure(path_, "Cannot write", errno);
  }
  void RenameTo(const fs::path& target) {
    if (::rename(path_.c_str(), target.c_str()) != 0) throw Failure(target, "Cannot replace", errno);
    path_.clear();
  }

 private:
  int fd_ = -1;
  fs::path path_;
};

void WriteAll(int fd, const char* data, std::size_t size, const fs::path& file) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      throw Failure(file, "Cannot write", errno);
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
}

void CopyContent(int in, const fs::path& from, int out, const fs::path& to) {
  std::vector<char> block(1 << 16);
  for (;;) {
    const ssize_t got = ::read(in, block.data(), block.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      throw Failure(from, "Cannot read", errno);
    }
    if (got == 0) return;
    WriteAll(out, block.data(), static_cast<std::size_t>(got), to);
  }
}

bool HasBaseName(const std::string& fileName, const std::u16string& upperPrefix) {
  const std::u16string name = text::FromUtf8(fileName);
  return name.size() > upperPrefix.size() && text::UpperAnsi(name.substr(0, upperPrefix.size())) == upperPrefix;
}

}  // namespace

bool FileExists(const fs::path& file) {
  std::error_code ec;
  return fs::is_regular_file(file, ec);
}

void CopyReplacing(const fs::path& from, const fs::path& to) {
  Descriptor in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) throw Failure(from, "Cannot open", errno);
  struct stat info {};
  if (::fstat(in.get(), &info) != 0) throw Failure(from, "Cannot read", errno);
  TemporaryFile temporary(to);
  CopyContent(in.get(), from, temporary.fd(), to);
  if (::fchmod(temporary.fd(), info.st_mode & 0777) != 0) throw Failure(to, "Cannot write", errno);
  if (::fsync(temporary.fd()) != 0) throw Failure(to, "Cannot write", errno);
  temporary.CloseOrThrow();
  temporary.RenameTo(to);
}

void DeleteAllNamed(const fs::path& dir, std::u16string_view baseName) {
  const std::u16string prefix = text::UpperAnsi(std::u16string(baseName) + u".");
  std::error_code ec;
  std::vector<fs::path> doomed;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) {
    if (entry.is_regular_file(ec) && HasBaseName(entry.path().filename().string(), prefix)) {
      doomed.push_back(entry.path());
    }
  }
  if (ec) throw Failure(dir, "Cannot list", ec.value());
  for (const fs::path& file : doomed) {
    if (::unlink(file.c_str()) != 0) throw Failure(file, "Cannot delete", errno);
  }
}

}  // namespace kelvo::kcsetup

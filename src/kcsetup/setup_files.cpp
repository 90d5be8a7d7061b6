#include "kcsetup/setup_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

#include "platform/base/file_write.h"
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

bool HasBaseName(const std::string& fileName, const std::u16string& upperPrefix) {
  const std::u16string name = text::FromUtf8(fileName);
  return name.size() > upperPrefix.size() && text::UpperAnsi(name.substr(0, upperPrefix.size())) == upperPrefix;
}

}  // namespace

bool FileExists(const fs::path& file) {
  std::error_code ec;
  return fs::is_regular_file(file, ec);
}

// The whole file, read with the system's own errors.
std::string ReadWhole(const fs::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) throw com::Error(com::err::kFileNotFound, u"File not found: " + Named(file));
    throw Failure(file, "open", errno);
  }
  std::string data;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int error = errno;
      ::close(fd);
      if (n < 0) throw Failure(file, "read", error);
      return data;
    }
    data.append(buffer, static_cast<std::size_t>(n));
  }
}

// Read whole, then written beside the target and renamed over it by the
// platform's file-writing rule, so a failed copy leaves the old file.
void CopyReplacing(const fs::path& from, const fs::path& to) {
  const std::string content = ReadWhole(from);
  try {
    file::WriteFile(to, content);
  } catch (const file::WriteError& e) {
    throw com::Error(com::err::kPathFileAccess, text::FromUtf8(e.what()));
  }
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

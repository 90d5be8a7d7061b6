#pragma once
// How the registry file is kept on disk: read whole, locked for writers, and
// replaced atomically (temporary file, fsync, rename, fsync of the directory).
// Failures throw RegistryError naming the file.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kelvo::com::storage {

// The file's bytes, or nothing when it does not exist.
std::optional<std::string> ReadFileIfPresent(const std::filesystem::path& file);

// Replaces the file with contents so that a reader sees either the old or the
// new file, never a part (file::WriteFile).
void ReplaceFile(const std::filesystem::path& file, std::string_view contents);

// Creates the directory that holds file, and its parents, when missing.
void CreateParentDirectories(const std::filesystem::path& file);

// An exclusive advisory lock on a lock file (created when missing), held for
// the object's lifetime. Separate objects exclude each other, in one process
// or in several.
class ExclusiveLock {
 public:
  explicit ExclusiveLock(const std::filesystem::path& lockFile);
  ~ExclusiveLock();
  ExclusiveLock(const ExclusiveLock&) = delete;
  ExclusiveLock& operator=(const ExclusiveLock&) = delete;

 private:
  int fd_;
};

}  // namespace kelvo::com::storage

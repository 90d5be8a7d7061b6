#include "platform/com/registry.h"

#include <sys/stat.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "platform/base/environment.h"
#include "platform/com/registry_storage.h"

namespace kelvo::com {
namespace {

std::mutex failureMutex;
std::string lastFailure;

// Runs body, remembering a RegistryError it raises before passing it on.
template <class Body>
auto Remembered(Body body) {
  try {
    return body();
  } catch (const RegistryError& e) {
    const std::scoped_lock lock(failureMutex);
    lastFailure = e.what();
    throw;
  }
}

// What tells one version of the registry file from another: every write
// replaces the file (a new inode, new times), and a write of this process also
// counts, in case the file system's clock did not move between two writes.
struct FileVersion {
  bool present = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  std::int64_t modified = 0;
  std::int64_t changed = 0;
  std::uint64_t writes = 0;
  friend bool operator==(const FileVersion&, const FileVersion&) = default;
};

std::atomic<std::uint64_t> writesInProcess{0};

std::int64_t Nanoseconds(const timespec& t) { return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; }

FileVersion VersionOf(const std::filesystem::path& file) {
  FileVersion version{.writes = writesInProcess.load()};
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) return version;
  version.present = true;
  version.device = st.st_dev;
  version.inode = st.st_ino;
  version.size = st.st_size;
  version.modified = Nanoseconds(st.st_mtim);
  version.changed = Nanoseconds(st.st_ctim);
  return version;
}

struct CachedTree {
  FileVersion version;
  std::shared_ptr<const RegistryTree> tree;
};

std::mutex cacheMutex;
std::map<std::filesystem::path, CachedTree> cache;

RegistryTree ParseFile(const std::filesystem::path& file) {
  const std::optional<std::string> text = storage::ReadFileIfPresent(file);
  if (!text) return {};
  try {
    return RegistryTree::Parse(*text);
  } catch (const RegistryError& e) {
    throw RegistryError(file.string() + ": " + e.what(), e.line());
  }
}

}  // namespace

Registry::Registry(std::filesystem::path file) : file_(std::move(file)) {}

RegistryTree Registry::Read() const {
  return Remembered([&] { return ParseFile(file_); });
}

// The version is taken before the file is read: a file replaced in between is
// read again at the next call.
std::shared_ptr<const RegistryTree> Registry::Snapshot() const {
  const FileVersion version = VersionOf(file_);
  {
    const std::scoped_lock lock(cacheMutex);
    const auto it = cache.find(file_);
    if (it != cache.end() && it->second.version == version) return it->second.tree;
  }
  auto tree = std::make_shared<const RegistryTree>(Read());
  const std::scoped_lock lock(cacheMutex);
  cache[file_] = {version, tree};
  return tree;
}

// Under the lock the file is read again, so changes other writers made since
// this process last looked are kept; an unchanged tree is not rewritten.
void Registry::Update(const std::function<void(RegistryTree&)>& change) {
  Remembered([&] {
    storage::CreateParentDirectories(file_);
    const storage::ExclusiveLock lock(file_.string() + ".lock");
    const RegistryTree before = ParseFile(file_);
    RegistryTree after = before;
    change(after);
    if (after == before) return;
    storage::ReplaceFile(file_, after.Serialize());
    ++writesInProcess;
  });
}

Registry SystemRegistry() { return Registry(env::RegistryFile()); }

std::string LastRegistryFailure() {
  const std::scoped_lock lock(failureMutex);
  return lastFailure;
}

void ClearRegistryFailure() {
  const std::scoped_lock lock(failureMutex);
  lastFailure.clear();
}

}  // namespace kelvo::com

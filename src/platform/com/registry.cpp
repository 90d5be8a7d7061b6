#include "platform/com/registry.h"

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

#include "platform/com/registry.h"

#include <utility>

#include "platform/base/environment.h"
#include "platform/com/registry_storage.h"

namespace kelvo::com {

Registry::Registry(std::filesystem::path file) : file_(std::move(file)) {}

RegistryTree Registry::Read() const {
  const std::optional<std::string> text = storage::ReadFileIfPresent(file_);
  if (!text) return {};
  try {
    return RegistryTree::Parse(*text);
  } catch (const RegistryError& e) {
    throw RegistryError(file_.string() + ": " + e.what(), e.line());
  }
}

// Under the lock the file is read again, so changes other writers made since
// this process last looked are kept; an unchanged tree is not rewritten.
void Registry::Update(const std::function<void(RegistryTree&)>& change) {
  storage::CreateParentDirectories(file_);
  const storage::ExclusiveLock lock(file_.string() + ".lock");
  const RegistryTree before = Read();
  RegistryTree after = before;
  change(after);
  if (after == before) return;
  storage::ReplaceFile(file_, after.Serialize());
}

Registry SystemRegistry() { return Registry(env::RegistryFile()); }

}  // namespace kelvo::com

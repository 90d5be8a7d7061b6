#include "klvctl32/server/registration.h"

#include <array>
#include <string_view>

#include "klvctl32/server/catalogue.h"
#include "klvctl32/server/typelib.h"
#include "platform/base/text.h"

namespace kelvo::klvctl32 {

namespace {

constexpr std::string_view kClassesRoot = "HKEY_CLASSES_ROOT";
constexpr std::string_view kClsidRoot = "HKEY_CLASSES_ROOT\\CLSID";
constexpr std::string_view kTypeLibRoot = "HKEY_CLASSES_ROOT\\TypeLib";

std::string Join(std::string_view parent, std::string_view child) {
  std::string key(parent);
  key += '\\';
  key += child;
  return key;
}

std::string ClassKey(const com::CoClassInfo& info) { return Join(kClsidRoot, info.clsid.ToString()); }

std::string ProgID(const com::CoClassInfo& info) {
  return text::ToUtf8(TypeLibrary().name) + "." + text::ToUtf8(info.name);
}

std::string ProgIDKey(const com::CoClassInfo& info) { return Join(kClassesRoot, ProgID(info)); }

std::string TypeLibKey() { return Join(kTypeLibRoot, TypeLibrary().libid.ToString()); }

std::string VersionText() {
  const com::TypeLibInfo& lib = TypeLibrary();
  return std::to_string(lib.majorVersion) + "." + std::to_string(lib.minorVersion);
}

std::string TypeLibVersionKey() { return Join(TypeLibKey(), VersionText()); }

void AddClassEntries(std::vector<RegistryEntry>& out, const com::CoClassInfo& info, const std::string& path) {
  const std::string key = ClassKey(info);
  const std::string name = text::ToUtf8(info.name);
  out.push_back({key, "", name});
  out.push_back({Join(key, "InprocServer32"), "", path});
  out.push_back({Join(key, "InprocServer32"), "ThreadingModel", "Apartment"});
  if (info.isControl) {
    out.push_back({Join(key, "Control"), "", std::nullopt});
    out.push_back({Join(key, "MiscStatus"), "", "0"});
    out.push_back({Join(key, "MiscStatus\\1"), "", std::to_string(info.miscStatus)});
    out.push_back({Join(key, "ToolboxBitmap32"), "", path + ", " + std::to_string(info.toolboxBitmap)});
  }
  out.push_back({Join(key, "TypeLib"), "", TypeLibrary().libid.ToString()});
  out.push_back({Join(key, "Version"), "", VersionText()});
  out.push_back({Join(key, "ProgID"), "", ProgID(info)});
  out.push_back({ProgIDKey(info), "", name});
  out.push_back({Join(ProgIDKey(info), "CLSID"), "", info.clsid.ToString()});
}

void AddTypeLibEntries(std::vector<RegistryEntry>& out, const std::filesystem::path& serverPath) {
  const std::string key = TypeLibVersionKey();
  out.push_back({key, "", text::ToUtf8(TypeLibrary().help)});
  out.push_back({Join(key, "0\\linux64"), "", serverPath.string()});
  out.push_back({Join(key, "FLAGS"), "", "0"});
  out.push_back({Join(key, "HELPDIR"), "", serverPath.parent_path().string()});
}

bool IsEmptyKey(const com::RegistryTree& tree, std::string_view key) {
  return tree.HasKey(key) && tree.SubKeys(key).empty() && tree.Values(key).empty();
}

}  // namespace

std::vector<RegistryEntry> RegistrationEntries(const std::filesystem::path& serverPath) {
  std::vector<RegistryEntry> entries;
  for (const CatalogueEntry& entry : Catalogue()) AddClassEntries(entries, entry.info(), serverPath.string());
  AddTypeLibEntries(entries, serverPath);
  return entries;
}

void RegisterServer(com::RegistryTree& tree, const std::filesystem::path& serverPath) {
  for (const RegistryEntry& entry : RegistrationEntries(serverPath)) {
    if (entry.value) {
      tree.SetValue(entry.key, entry.name, com::RegValue::Str(*entry.value));
    } else {
      tree.CreateKey(entry.key);
    }
  }
}

void UnregisterServer(com::RegistryTree& tree) {
  for (const CatalogueEntry& entry : Catalogue()) {
    tree.DeleteKey(ClassKey(entry.info()));
    tree.DeleteKey(ProgIDKey(entry.info()));
  }
  tree.DeleteKey(TypeLibVersionKey());
  const std::array<std::string, 4> parents = {TypeLibKey(), std::string(kTypeLibRoot), std::string(kClsidRoot),
                                              std::string(kClassesRoot)};
  for (const std::string& parent : parents) {
    if (IsEmptyKey(tree, parent)) tree.DeleteKey(parent);
  }
}

}  // namespace kelvo::klvctl32

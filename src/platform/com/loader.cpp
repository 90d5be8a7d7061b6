#include "platform/com/loader.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/base/environment.h"
#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/com/library_image.h"
#include "platform/com/registry.h"

namespace kelvo::com {
namespace {

constexpr std::string_view kClassesRoot = "HKEY_CLASSES_ROOT\\";

[[noreturn]] void CantCreate(const std::string& subject, const std::string& reason) {
  throw Error(err::kCantCreateObject, text::FromUtf8("Can't create object: " + subject + reason));
}

std::string Hex(HRESULT hr) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(hr));
  return buf;
}

// Server libraries loaded so far, by canonical path. They stay loaded for the
// life of the process unless FreeUnusedLibraries finds them idle.
class LibraryTable {
 public:
  static LibraryTable& Instance() {
    static LibraryTable table;
    return table;
  }

  // The entry point DllGetClassObject of the library at path, loading the
  // library on first use. A path seen before is not resolved again.
  DllGetClassObjectFn Load(const std::filesystem::path& path, const std::string& subject) {
    const std::scoped_lock lock(mutex_);
    if (const auto seen = byPath_.find(path.string()); seen != byPath_.end()) return seen->second;
    const std::string key = CanonicalName(path);
    const auto it = libraries_.find(key);
    void* handle = it != libraries_.end() ? it->second : Open(path, subject);
    if (it == libraries_.end()) libraries_.emplace(key, handle);
    const auto getClassObject = reinterpret_cast<DllGetClassObjectFn>(::dlsym(handle, "DllGetClassObject"));
    if (getClassObject == nullptr) CantCreate(subject, ": " + path.string() + " has no DllGetClassObject");
    byPath_.emplace(path.string(), getClassObject);
    return getClassObject;
  }

  int FreeUnused() {
    const std::scoped_lock lock(mutex_);
    byPath_.clear();
    int freed = 0;
    for (auto it = libraries_.begin(); it != libraries_.end();) {
      if (CanUnload(it->second)) {
        ::dlclose(it->second);
        it = libraries_.erase(it);
        ++freed;
      } else {
        ++it;
      }
    }
    return freed;
  }

  int Count() {
    const std::scoped_lock lock(mutex_);
    return static_cast<int>(libraries_.size());
  }

 private:
  static std::string CanonicalName(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, ec);
    return ec ? path.string() : canonical.string();
  }

  static void* Open(const std::filesystem::path& path, const std::string& subject) {
    if (const auto fault = LibraryFileFault(path))
      CantCreate(subject, ": cannot load " + path.string() + ": " + *fault);
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
      const char* why = ::dlerror();
      CantCreate(subject, ": cannot load " + path.string() + ": " + (why != nullptr ? why : "unknown error"));
    }
    return handle;
  }

  // A library without DllCanUnloadNow is never unloaded.
  static bool CanUnload(void* handle) {
    const auto canUnloadNow = reinterpret_cast<DllCanUnloadNowFn>(::dlsym(handle, "DllCanUnloadNow"));
    return canUnloadNow != nullptr && canUnloadNow() == S_OK;
  }

  std::mutex mutex_;
  std::map<std::string, void*> libraries_;
  std::unordered_map<std::string, DllGetClassObjectFn> byPath_;  // as registered, before resolving links
};

std::shared_ptr<const RegistryTree> ReadRegistry(const std::string& subject) {
  try {
    return SystemRegistry().Snapshot();
  } catch (const RegistryError& e) {
    CantCreate(subject, ": the registry cannot be read: " + std::string(e.what()));
  }
}

// A ProgID is one key name: not empty, no "\" and no control characters.
bool IsProgIdName(std::string_view progid) {
  if (progid.empty()) return false;
  for (const char c : progid) {
    if (c == '\\' || static_cast<unsigned char>(c) < 0x20) return false;
  }
  return true;
}

std::optional<CLSID> LookUpProgId(const RegistryTree& tree, std::string_view progid) {
  if (!IsProgIdName(progid)) return std::nullopt;
  const auto value = tree.GetValue(std::string(kClassesRoot) + std::string(progid) + "\\CLSID", "");
  if (!value || value->kind != RegValue::Kind::String) return std::nullopt;
  return GUID::Parse(value->text);
}

// The server file registered for a class; relative paths are in the system directory.
std::filesystem::path ServerPath(const RegistryTree& tree, const CLSID& clsid, const std::string& subject) {
  const auto value = tree.GetValue(std::string(kClassesRoot) + "CLSID\\" + clsid.ToString() + "\\InprocServer32", "");
  if (!value || value->kind != RegValue::Kind::String || value->text.empty()) {
    CantCreate(subject, " is not registered");
  }
  const std::filesystem::path path(value->text);
  return path.is_absolute() ? path : env::SystemDirectory() / path;
}

ComPtr<IClassFactory> ClassObject(const RegistryTree& tree, const CLSID& clsid, const std::string& subject) {
  const std::filesystem::path path = ServerPath(tree, clsid, subject);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) CantCreate(subject, ": server file " + path.string() + " not found");
  const DllGetClassObjectFn getClassObject = LibraryTable::Instance().Load(path, subject);
  void* out = nullptr;
  const HRESULT hr = getClassObject(&clsid, &IID_IClassFactory, &out);
  if (Failed(hr) || out == nullptr) CantCreate(subject, ": class not available (" + Hex(hr) + ")");
  return ComPtr<IClassFactory>::Adopt(static_cast<IClassFactory*>(out));
}

ComPtr<IDispatch> NewInstance(const RegistryTree& tree, const CLSID& clsid, const std::string& subject) {
  const ComPtr<IClassFactory> factory = ClassObject(tree, clsid, subject);
  void* out = nullptr;
  const HRESULT hr = factory->CreateInstance(nullptr, IID_IDispatch, &out);
  if (Failed(hr) || out == nullptr) CantCreate(subject, ": the class factory failed (" + Hex(hr) + ")");
  return ComPtr<IDispatch>::Adopt(static_cast<IDispatch*>(out));
}

std::string ClassSubject(const CLSID& clsid) { return "class " + clsid.ToString(); }

}  // namespace

void LoadServerFile(const std::filesystem::path& path) {
  const std::string subject = "server " + path.string();
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) CantCreate(subject, ": file not found");
  LibraryTable::Instance().Load(path, subject);
}

std::optional<CLSID> CLSIDFromProgID(std::u16string_view progid) {
  return LookUpProgId(*SystemRegistry().Snapshot(), text::ToUtf8(progid));
}

ComPtr<IClassFactory> GetClassObject(const CLSID& clsid) {
  const std::string subject = ClassSubject(clsid);
  return ClassObject(*ReadRegistry(subject), clsid, subject);
}

ComPtr<IDispatch> CreateObject(const CLSID& clsid) {
  const std::string subject = ClassSubject(clsid);
  return NewInstance(*ReadRegistry(subject), clsid, subject);
}

ComPtr<IDispatch> CreateObject(std::u16string_view progid) {
  const std::string name = text::ToUtf8(progid);
  const std::shared_ptr<const RegistryTree> tree = ReadRegistry("ProgID " + name);
  const std::optional<CLSID> clsid = LookUpProgId(*tree, name);
  if (!clsid) CantCreate("ProgID " + name, " is not registered");
  return NewInstance(*tree, *clsid, name + " (" + ClassSubject(*clsid) + ")");
}

int FreeUnusedLibraries() { return LibraryTable::Instance().FreeUnused(); }

int LoadedLibraryCount() { return LibraryTable::Instance().Count(); }

}  // namespace kelvo::com

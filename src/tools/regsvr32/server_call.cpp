#include "tools/regsvr32/server_call.h"

#include <dlfcn.h>
#include <link.h>

#include <exception>
#include <utility>

#include "platform/com/classfactory.h"
#include "platform/com/library_image.h"
#include "platform/com/registry.h"

namespace kelvo::regsvr32 {
namespace {

// Unloads the library when the call is over, whichever way it ends.
class LoadedLibrary {
 public:
  explicit LoadedLibrary(void* handle) : handle_(handle) {}
  ~LoadedLibrary() { dlclose(handle_); }
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;

  void* handle() const { return handle_; }

 private:
  void* handle_;
};

// The loader's reason, without the file name it starts with: the report
// names the file already.
std::string LoaderError(const std::string& loaded_path) {
  const char* text = dlerror();
  if (text == nullptr) return "unknown loader error";
  const std::string_view reason(text);
  const std::string prefix = loaded_path + ": ";
  return std::string(reason.starts_with(prefix) ? reason.substr(prefix.size()) : reason);
}

// dlopen searches a bare name on the library path; a user who names a file
// without a directory means the one in the current directory.
std::string LoadablePath(std::string_view path) {
  if (path.find('/') != std::string_view::npos) return std::string(path);
  return "./" + std::string(path);
}

// dlsym also searches the library's dependencies. An entry point found there
// belongs to another server, and calling it would register that server in
// this one's name, so only a symbol the library itself defines counts.
void* OwnSymbol(void* handle, const std::string& name) {
  void* symbol = dlsym(handle, name.c_str());
  if (symbol == nullptr) return nullptr;
  link_map* library = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &library) != 0) return nullptr;
  Dl_info info{};
  link_map* holder = nullptr;
  if (dladdr1(symbol, &info, reinterpret_cast<void**>(&holder), RTLD_DL_LINKMAP) == 0) return nullptr;
  return holder == library ? symbol : nullptr;
}

// A server reports a registry it could not read or write only by its code;
// the platform remembers the cause.
CallOutcome OutcomeOf(com::HRESULT result) {
  if (com::Succeeded(result)) return {CallStatus::Succeeded, result, {}};
  return {CallStatus::EntryPointFailed, result, com::LastRegistryFailure()};
}

// A server that lets an exception escape its C entry point has failed; the
// tool reports it instead of terminating.
CallOutcome Invoke(com::DllRegisterServerFn entry) {
  com::ClearRegistryFailure();
  try {
    return OutcomeOf(entry());
  } catch (const std::exception& error) {
    return {CallStatus::EntryPointThrew, com::E_FAIL, error.what()};
  } catch (...) {
    return {CallStatus::EntryPointThrew, com::E_FAIL, "an exception of unknown type"};
  }
}

}  // namespace

std::string_view EntryPointName(bool unregister) {
  return unregister ? "DllUnregisterServer" : "DllRegisterServer";
}

CallOutcome CallEntryPoint(std::string_view path, std::string_view entry_point) {
  const std::string loaded_path = LoadablePath(path);
  if (auto fault = com::LibraryFileFault(loaded_path)) return {CallStatus::LoadFailed, com::S_OK, std::move(*fault)};
  void* handle = dlopen(loaded_path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return {CallStatus::LoadFailed, com::S_OK, LoaderError(loaded_path)};
  const LoadedLibrary library(handle);
  void* symbol = OwnSymbol(library.handle(), std::string(entry_point));
  if (symbol == nullptr) return {CallStatus::EntryPointMissing, com::S_OK, {}};
  return Invoke(reinterpret_cast<com::DllRegisterServerFn>(symbol));
}

}  // namespace kelvo::regsvr32

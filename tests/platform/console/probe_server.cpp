// A component server holding the probe control, for console scripts that
// reach a control the way programs do: REGSVR32 registers it, the container
// finds "ConsoleTest.Probe" in the registry and creates it through this
// library's class factory.
#include <dlfcn.h>

#include <string>

#include "platform/com/classfactory.h"
#include "platform/com/object.h"
#include "platform/com/registry.h"
#include "probe_control.h"

namespace {

using namespace kelvo;

constexpr const char* kServerProgId = "ConsoleTest.Probe";

com::ModuleCounter g_module;

class ProbeFactory final : public com::Object<com::IClassFactory> {
 public:
  ProbeFactory() : Object(g_module) {}
  com::HRESULT CreateInstance(com::IUnknown* outer, const com::IID& iid, void** out) override {
    if (out == nullptr) return com::E_POINTER;
    *out = nullptr;
    if (outer != nullptr) return com::CLASS_E_NOAGGREGATION;
    return console::testing::CreateProbe(&g_module)->QueryInterface(iid, out);
  }
  com::HRESULT LockServer(bool lock) override {
    g_module.Lock(lock);
    return com::S_OK;
  }
};

std::string OwnPath() {
  Dl_info info{};
  ::dladdr(reinterpret_cast<void*>(&OwnPath), &info);
  return info.dli_fname;
}

std::string ClassKey() { return "HKEY_CLASSES_ROOT\\CLSID\\" + console::testing::kProbeClsid.ToString(); }
std::string ProgIdKey() { return std::string("HKEY_CLASSES_ROOT\\") + kServerProgId; }

template <class Change>
com::HRESULT UpdateRegistry(Change change) {
  try {
    com::SystemRegistry().Update(change);
    return com::S_OK;
  } catch (const com::RegistryError&) {
    return com::SELFREG_E_CLASS;
  }
}

}  // namespace

extern "C" com::HRESULT DllGetClassObject(const com::CLSID* clsid, const com::IID* iid, void** out) {
  if (clsid == nullptr || iid == nullptr || out == nullptr) return com::E_POINTER;
  *out = nullptr;
  if (*clsid != console::testing::kProbeClsid) return com::CLASS_E_CLASSNOTAVAILABLE;
  return com::MakeObject<ProbeFactory>()->QueryInterface(*iid, out);
}

extern "C" com::HRESULT DllCanUnloadNow() { return g_module.CanUnload() ? com::S_OK : com::S_FALSE; }

extern "C" com::HRESULT DllRegisterServer() {
  return UpdateRegistry([](com::RegistryTree& tree) {
    tree.SetValue(ClassKey(), "", com::RegValue::Str("Console test probe"));
    tree.SetValue(ClassKey() + "\\InprocServer32", "", com::RegValue::Str(OwnPath()));
    tree.SetValue(ClassKey() + "\\ProgID", "", com::RegValue::Str(kServerProgId));
    tree.SetValue(ProgIdKey() + "\\CLSID", "", com::RegValue::Str(console::testing::kProbeClsid.ToString()));
  });
}

extern "C" com::HRESULT DllUnregisterServer() {
  return UpdateRegistry([](com::RegistryTree& tree) {
    tree.DeleteKey(ClassKey());
    tree.DeleteKey(ProgIdKey());
  });
}

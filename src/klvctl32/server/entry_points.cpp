// The four entry points of the in-process component server, the only symbols
// the library exports. No exception leaves them: every failure becomes an
// HRESULT.
#include <exception>

#include "klvctl32/host/module.h"
#include "klvctl32/server/catalogue.h"
#include "klvctl32/server/failure_codes.h"
#include "klvctl32/server/registration.h"
#include "klvctl32/server/server_path.h"
#include "platform/com/classfactory.h"
#include "platform/com/registry.h"

#define KLVCTL32_EXPORT extern "C" [[gnu::visibility("default")]]

using kelvo::com::HRESULT;

// Registers every class of the catalogue and the type library.
KLVCTL32_EXPORT HRESULT DllRegisterServer() {
  try {
    const std::filesystem::path path = kelvo::klvctl32::ServerPath();
    kelvo::com::SystemRegistry().Update(
        [&](kelvo::com::RegistryTree& tree) { kelvo::klvctl32::RegisterServer(tree, path); });
    return kelvo::com::S_OK;
  } catch (const std::exception&) {
    return kelvo::com::SELFREG_E_CLASS;
  }
}

// Removes what DllRegisterServer wrote.
KLVCTL32_EXPORT HRESULT DllUnregisterServer() {
  try {
    kelvo::com::SystemRegistry().Update(
        [](kelvo::com::RegistryTree& tree) { kelvo::klvctl32::UnregisterServer(tree); });
    return kelvo::com::S_OK;
  } catch (const std::exception&) {
    return kelvo::com::SELFREG_E_CLASS;
  }
}

// The class factory of a class of the catalogue whose control is built.
KLVCTL32_EXPORT HRESULT DllGetClassObject(const kelvo::com::CLSID* clsid, const kelvo::com::IID* iid, void** out) {
  if (out == nullptr) return kelvo::com::E_POINTER;
  *out = nullptr;
  if (clsid == nullptr || iid == nullptr) return kelvo::com::E_INVALIDARG;
  const kelvo::klvctl32::CatalogueEntry* entry = kelvo::klvctl32::FindCatalogueEntry(*clsid);
  if (entry == nullptr || entry->makeFactory == nullptr) return kelvo::com::CLASS_E_CLASSNOTAVAILABLE;
  try {
    kelvo::com::IClassFactory* factory = entry->makeFactory();
    const HRESULT hr = factory->QueryInterface(*iid, out);
    factory->Release();
    return hr;
  } catch (...) {
    return kelvo::klvctl32::FailureCode(std::current_exception());
  }
}

// S_OK when no object of the library lives and no lock holds it.
KLVCTL32_EXPORT HRESULT DllCanUnloadNow() {
  return kelvo::klvctl32::Module().CanUnload() ? kelvo::com::S_OK : kelvo::com::S_FALSE;
}

#pragma once
// The class factory of a control class T (default-constructible, derived from
// ControlBase). Each factory counts as a live object of the library, and
// LockServer keeps the library loaded, both for DllCanUnloadNow.

#include <new>

#include "klvctl32/host/module.h"
#include "platform/com/classfactory.h"
#include "platform/com/object.h"

namespace kelvo::klvctl32 {

template <class T>
class ClassFactory final : public com::Object<com::IClassFactory> {
 public:
  ClassFactory() : Object(Module()) {}

  com::HRESULT CreateInstance(com::IUnknown* outer, const com::IID& iid, void** out) override {
    if (out == nullptr) return com::E_POINTER;
    *out = nullptr;
    if (outer != nullptr) return com::CLASS_E_NOAGGREGATION;
    try {
      const com::ComPtr<T> object = com::MakeObject<T>();
      return object->QueryInterface(iid, out);
    } catch (const std::bad_alloc&) {
      return com::E_OUTOFMEMORY;
    }
  }

  com::HRESULT LockServer(bool lock) override {
    Module().Lock(lock);
    return com::S_OK;
  }
};

// A new factory for T, holding one reference for the caller.
template <class T>
com::IClassFactory* NewClassFactory() {
  return com::MakeObject<ClassFactory<T>>().Detach();
}

}  // namespace kelvo::klvctl32

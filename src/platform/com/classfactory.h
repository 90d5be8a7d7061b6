#pragma once
// Class factories and the four C entry points of an in-process component server.

#include "platform/com/unknown.h"

namespace kelvo::com {

extern const IID IID_IClassFactory;

class IClassFactory : public IUnknown {
 public:
  // Aggregation is not supported: a non-null outer gives CLASS_E_NOAGGREGATION.
  virtual HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** out) = 0;
  virtual HRESULT LockServer(bool lock) = 0;

 protected:
  ~IClassFactory() = default;
};

// The entry points a server library exports with C linkage.
using DllGetClassObjectFn = HRESULT (*)(const CLSID* clsid, const IID* iid, void** out);
using DllCanUnloadNowFn = HRESULT (*)();
using DllRegisterServerFn = HRESULT (*)();
using DllUnregisterServerFn = HRESULT (*)();

}  // namespace kelvo::com

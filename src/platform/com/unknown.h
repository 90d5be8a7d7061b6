#pragma once
// Reference-counted objects: the root interface, a smart pointer, and a base
// that counts live objects for DllCanUnloadNow.

#include <atomic>
#include <cstdint>
#include <utility>

#include "platform/com/guid.h"
#include "platform/com/hresult.h"

namespace kelvo::com {

extern const IID IID_IUnknown;

class IUnknown {
 public:
  virtual HRESULT QueryInterface(const IID& iid, void** out) = 0;
  virtual std::uint32_t AddRef() = 0;
  virtual std::uint32_t Release() = 0;

 protected:
  ~IUnknown() = default;
};

// Owning pointer: AddRef on copy, Release on destruction.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Takes a new reference to p.
  explicit ComPtr(T* p) : p_(p) {
    if (p_) p_->AddRef();
  }
  // Adopts a reference the caller already owns (for example from CreateInstance).
  static ComPtr Adopt(T* p) {
    ComPtr r;
    r.p_ = p;
    return r;
  }
  ComPtr(const ComPtr& o) : ComPtr(o.p_) {}
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  template <class U>
  ComPtr(const ComPtr<U>& o) : ComPtr(static_cast<T*>(o.get())) {}
  ComPtr& operator=(ComPtr o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }
  ~ComPtr() {
    if (p_) p_->Release();
  }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  T& operator*() const { return *p_; }
  explicit operator bool() const { return p_ != nullptr; }
  T* Detach() { return std::exchange(p_, nullptr); }
  void Reset() { ComPtr().swap(*this); }
  void swap(ComPtr& o) noexcept { std::swap(p_, o.p_); }
  friend bool operator==(const ComPtr& a, const ComPtr& b) { return a.p_ == b.p_; }

 private:
  T* p_ = nullptr;
};

// Asks p for interface I (identified by iid); empty when it has none.
template <class I, class T>
ComPtr<I> QueryAs(const ComPtr<T>& p, const IID& iid) {
  void* out = nullptr;
  if (!p || Failed(p->QueryInterface(iid, &out)) || out == nullptr) return {};
  return ComPtr<I>::Adopt(static_cast<I*>(out));
}

// Module-wide counts behind DllCanUnloadNow: live objects and server locks.
// Each component library keeps its own ModuleCounter.
class ModuleCounter {
 public:
  void ObjectCreated() { ++objects_; }
  void ObjectDestroyed() { --objects_; }
  void Lock(bool lock) { lock ? ++locks_ : --locks_; }
  bool CanUnload() const { return objects_.load() == 0 && locks_.load() == 0; }
  long Objects() const { return objects_.load(); }

 private:
  std::atomic<long> objects_{0};
  std::atomic<long> locks_{0};
};

}  // namespace kelvo::com

#pragma once
// A base for reference-counted objects: Object<I1, I2, ...> implements
// QueryInterface, AddRef and Release for the listed interfaces, so a class
// writes only its own members.
//
//   class Picture final : public com::Object<com::IDispatch> {
//    public:
//     explicit Picture(com::ModuleCounter& module) : Object(module) {}
//     const com::InterfaceInfo* GetTypeInfo() override { return nullptr; }
//     com::Variant Invoke(std::u16string_view name, com::InvokeKind kind,
//                         std::span<com::Variant> args) override;
//   };
//   com::ComPtr<Picture> p = com::MakeObject<Picture>(module);
//   com::ComPtr<com::IDispatch> d = p;
//
// QueryInterface answers IUnknown, each listed interface, and IDispatch for a
// listed interface derived from it; list only the most derived interfaces.
// The id of an interface type comes from InterfaceIdOf(std::type_identity<I>),
// found by argument-dependent lookup; declare one beside a new interface:
//
//   inline const com::IID& InterfaceIdOf(std::type_identity<IMyThing>) { return IID_IMyThing; }
//
// An object is born with one reference (MakeObject adopts it) and deletes
// itself when the last reference goes. Built with a ModuleCounter, it counts
// as a live object of its library (DllCanUnloadNow) for its whole life.

#include <atomic>
#include <cstdint>
#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/com/classfactory.h"
#include "platform/com/dispatch.h"
#include "platform/com/unknown.h"

namespace kelvo::com {

inline const IID& InterfaceIdOf(std::type_identity<IUnknown>) { return IID_IUnknown; }
inline const IID& InterfaceIdOf(std::type_identity<IDispatch>) { return IID_IDispatch; }
inline const IID& InterfaceIdOf(std::type_identity<IClassFactory>) { return IID_IClassFactory; }

template <class... Interfaces>
class Object : public Interfaces... {
  static_assert(sizeof...(Interfaces) > 0, "an object implements at least one interface");
  static_assert((std::is_base_of_v<IUnknown, Interfaces> && ...), "interfaces derive from IUnknown");

 public:
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  HRESULT QueryInterface(const IID& iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = InterfacePointer(iid);
    if (*out == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }

  std::uint32_t AddRef() override { return refs_.fetch_add(1, std::memory_order_relaxed) + 1; }

  std::uint32_t Release() override {
    const std::uint32_t left = refs_.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0) delete this;
    return left;
  }

 protected:
  Object() = default;
  explicit Object(ModuleCounter& module) : module_(&module) { module.ObjectCreated(); }
  virtual ~Object() {
    if (module_ != nullptr) module_->ObjectDestroyed();
  }

 private:
  using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;

  void* InterfacePointer(const IID& iid) {
    if (iid == IID_IUnknown) return static_cast<IUnknown*>(static_cast<First*>(this));
    void* found = nullptr;
    ((found = found != nullptr ? found : Match<Interfaces>(iid)), ...);
    return found;
  }

  template <class I>
  void* Match(const IID& iid) {
    I* self = this;
    if (iid == InterfaceIdOf(std::type_identity<I>{})) return self;
    if constexpr (std::is_base_of_v<IDispatch, I> && !std::is_same_v<IDispatch, I>) {
      if (iid == IID_IDispatch) return static_cast<IDispatch*>(self);
    }
    return nullptr;
  }

  std::atomic<std::uint32_t> refs_{1};
  ModuleCounter* module_ = nullptr;
};

// A new object of class T holding its first reference.
template <class T, class... Args>
ComPtr<T> MakeObject(Args&&... args) {
  return ComPtr<T>::Adopt(new T(std::forward<Args>(args)...));
}

}  // namespace kelvo::com

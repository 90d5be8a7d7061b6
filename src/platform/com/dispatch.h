#pragma once
// Late binding: every scriptable object (controls, forms, fonts, pictures,
// collections) answers Invoke by member name with Variant arguments passed by
// reference, and may describe itself with interface information.

#include <span>
#include <string_view>

#include "platform/com/unknown.h"

namespace kelvo::com {

class Variant;
struct InterfaceInfo;

extern const IID IID_IDispatch;

enum class InvokeKind : std::uint8_t {
  Get,     // property get (arguments are indices)
  Let,     // property let: the last argument is the value
  Set,     // property set by reference: the last argument is an object
  Method,  // method call; arguments may be changed and are read back
};

class IDispatch : public IUnknown {
 public:
  // The object's dispatch interface, or nullptr when it publishes none.
  virtual const InterfaceInfo* GetTypeInfo() = 0;
  // Invokes a member by name (case-insensitive). Throws com::Error: 438 when
  // there is no such member, 450 for a wrong argument count, 383/451 for a
  // property without the asked-for accessor, conversion errors from Variant.
  virtual Variant Invoke(std::u16string_view name, InvokeKind kind, std::span<Variant> args) = 0;

 protected:
  ~IDispatch() = default;
};

}  // namespace kelvo::com

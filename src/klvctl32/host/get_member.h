#pragma once
// Reading a member of an object by name (late binding), as form code does.

#include <span>
#include <string_view>

#include "platform/com/dispatch.h"
#include "platform/com/variant.h"

namespace kelvo::klvctl32 {

inline com::Variant GetMember(com::IDispatch& object, std::u16string_view name, std::span<com::Variant> args = {}) {
  return object.Invoke(name, com::InvokeKind::Get, args);
}

}  // namespace kelvo::klvctl32

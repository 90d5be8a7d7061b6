#pragma once
// What type information says about the members the console reaches by late
// binding: the extender's (or the form's) own description first, then the
// control class's default interface.

#include <string_view>

#include "platform/com/typeinfo.h"
#include "platform/console/session.h"

namespace kelvo::console {

// The member of that name and kind, or nullptr when nothing describes it.
const com::MemberInfo* DescribeMember(const Session& session, const ControlRef& target, std::u16string_view name,
                                      com::MemberKind kind);
// The member's declared type, Variant when nothing describes it.
com::TypeKind DeclaredType(const Session& session, const ControlRef& target, std::u16string_view name,
                           com::MemberKind kind);

}  // namespace kelvo::console

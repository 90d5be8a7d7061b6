#pragma once
// The type library as text: the words a member's type, its parameters and its
// kind are written with, and the whole library as one line per item. The
// checked-in dump and the generated reference pages are both written with it.

#include <string>
#include <string_view>
#include <vector>

#include "platform/com/typeinfo.h"

namespace kelvo::typelib_text {

std::string U8(std::u16string_view s);
// "Integer", "Enum:kcStyle", ...
std::string TypeText(const com::TypeRef& t);
// "(ByVal Index As Integer, ByRef Text As String Optional)"
std::string ParamsText(const std::vector<com::ParamInfo>& params);
// "Get", "Let", "Set", "Method"
std::string KindText(com::MemberKind kind);
// Every enumeration, class, member and event, one line each.
std::string Dump(const com::TypeLibInfo& lib);

}  // namespace kelvo::typelib_text

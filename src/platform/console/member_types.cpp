#include "platform/console/member_types.h"

namespace kelvo::console {

const com::MemberInfo* DescribeMember(const Session& session, const ControlRef& target, std::u16string_view name,
                                      com::MemberKind kind) {
  if (const com::InterfaceInfo* own = session.Target(target)->GetTypeInfo()) {
    if (const com::MemberInfo* member = own->Find(name, kind)) return member;
  }
  if (target.isForm) return nullptr;
  const com::InterfaceInfo* members = session.ControlNamed(target).ClassInfo().defaultInterface;
  return members == nullptr ? nullptr : members->Find(name, kind);
}

com::TypeKind DeclaredType(const Session& session, const ControlRef& target, std::u16string_view name,
                           com::MemberKind kind) {
  const com::MemberInfo* member = DescribeMember(session, target, name, kind);
  return member == nullptr ? com::TypeKind::Variant : member->type.kind;
}

}  // namespace kelvo::console

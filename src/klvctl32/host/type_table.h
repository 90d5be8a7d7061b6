#pragma once
// Small helpers for writing a class's type information as tables: the types
// of members and parameters, and a member list builder that keeps slot order
// (a property's get slot, then its let or set slot, sharing one dispatch id).
//
//   com::InterfaceInfo info{u"_KelvoLine3D", IID__KelvoLine3D, kControlInterfaceFlags,
//                           MemberTable()
//                               .Property(u"LineStyle", EnumT(u"KLV_LineStyle"), u"Line styles. (Estilo da linha)")
//                               .Method(u"Refresh")
//                               .Take()};

#include <cstdint>
#include <string>
#include <vector>

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

com::TypeRef BooleanT();
com::TypeRef IntegerT();
com::TypeRef LongT();
com::TypeRef SingleT();
com::TypeRef DoubleT();
com::TypeRef StringT();
com::TypeRef VariantT();
com::TypeRef ColorT();
com::TypeRef FontT();
com::TypeRef PictureT();
com::TypeRef HandleT();
com::TypeRef EnumT(std::u16string name);

// A parameter passed by reference (the events' default) or by value.
com::ParamInfo ByRef(std::u16string name, com::TypeRef type);
com::ParamInfo ByVal(std::u16string name, com::TypeRef type);

// Flags of every control's default interface: hidden, dual, not extensible,
// automation compatible.
inline constexpr std::uint32_t kControlInterfaceFlags = com::interface_flags::kHidden | com::interface_flags::kDual |
                                                        com::interface_flags::kNonExtensible |
                                                        com::interface_flags::kOleAutomation;
// Flags of every control's event dispinterface: hidden, dispatch only.
inline constexpr std::uint32_t kEventInterfaceFlags =
    com::interface_flags::kHidden | com::interface_flags::kDispatchOnly;
// Flags of a data-bound property: bindable, the default binding, not browsable.
inline constexpr std::uint32_t kDataBoundFlags =
    com::member_flags::kBindable | com::member_flags::kDefaultBind | com::member_flags::kNonBrowsable;

// The events of the edit controls in event number order: Click, DblClick,
// Changed, then the key and mouse events with their by-reference arguments.
std::vector<com::EventInfo> EditControlEvents();

class MemberTable {
 public:
  // Get and let slots.
  MemberTable& Property(std::u16string name, com::TypeRef type, std::u16string help = {},
                        std::uint32_t flags = com::member_flags::kNone);
  // Get and set-by-reference slots (fonts, pictures).
  MemberTable& ObjectProperty(std::u16string name, com::TypeRef type, std::u16string help = {});
  MemberTable& GetOnly(std::u16string name, com::TypeRef type, std::u16string help = {});
  MemberTable& LetOnly(std::u16string name, com::TypeRef type, std::u16string help = {});
  MemberTable& Method(std::u16string name, std::vector<com::ParamInfo> params = {}, com::TypeRef result = {});

  std::vector<com::MemberInfo> Take() { return std::move(members_); }
  const std::vector<com::MemberInfo>& Peek() const { return members_; }

 private:
  void Add(std::u16string name, com::MemberKind kind, com::TypeRef type, std::u16string help, std::uint32_t flags,
           std::int32_t dispid);

  std::vector<com::MemberInfo> members_;
  std::int32_t nextDispid_ = 1;
};

}  // namespace kelvo::klvctl32

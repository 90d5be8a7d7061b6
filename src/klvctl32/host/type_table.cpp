#include "klvctl32/host/type_table.h"

#include <utility>

namespace kelvo::klvctl32 {

namespace {
com::TypeRef Of(com::TypeKind kind) { return com::TypeRef{kind, {}}; }
}  // namespace

com::TypeRef BooleanT() { return Of(com::TypeKind::Boolean); }
com::TypeRef IntegerT() { return Of(com::TypeKind::Integer); }
com::TypeRef LongT() { return Of(com::TypeKind::Long); }
com::TypeRef SingleT() { return Of(com::TypeKind::Single); }
com::TypeRef DoubleT() { return Of(com::TypeKind::Double); }
com::TypeRef StringT() { return Of(com::TypeKind::String); }
com::TypeRef VariantT() { return Of(com::TypeKind::Variant); }
com::TypeRef ColorT() { return Of(com::TypeKind::Color); }
com::TypeRef FontT() { return Of(com::TypeKind::Font); }
com::TypeRef PictureT() { return Of(com::TypeKind::Picture); }
com::TypeRef HandleT() { return Of(com::TypeKind::Handle); }
com::TypeRef EnumT(std::u16string name) { return com::TypeRef{com::TypeKind::Enum, std::move(name)}; }

com::ParamInfo ByRef(std::u16string name, com::TypeRef type) {
  return com::ParamInfo{std::move(name), std::move(type), true, false};
}

com::ParamInfo ByVal(std::u16string name, com::TypeRef type) {
  return com::ParamInfo{std::move(name), std::move(type), false, false};
}

std::vector<com::EventInfo> EditControlEvents() {
  const std::vector<com::ParamInfo> key{ByRef(u"KeyCode", IntegerT()), ByRef(u"Shift", IntegerT())};
  const std::vector<com::ParamInfo> mouse{ByRef(u"Button", IntegerT()), ByRef(u"Shift", IntegerT()),
                                          ByRef(u"x", SingleT()), ByRef(u"y", SingleT())};
  return {
      {u"Click", {}},
      {u"DblClick", {}},
      {u"Changed", {}},
      {u"KeyDown", key},
      {u"KeyPress", {ByRef(u"KeyAscii", IntegerT())}},
      {u"KeyUp", key},
      {u"MouseDown", mouse},
      {u"MouseMove", mouse},
      {u"MouseUp", mouse},
  };
}

void MemberTable::Add(std::u16string name, com::MemberKind kind, com::TypeRef type, std::u16string help,
                      std::uint32_t flags, std::int32_t dispid) {
  com::MemberInfo m;
  m.name = std::move(name);
  m.kind = kind;
  m.type = std::move(type);
  m.help = std::move(help);
  m.flags = flags;
  m.dispid = dispid;
  members_.push_back(std::move(m));
}

MemberTable& MemberTable::Property(std::u16string name, com::TypeRef type, std::u16string help, std::uint32_t flags) {
  const std::int32_t id = nextDispid_++;
  Add(name, com::MemberKind::PropGet, type, help, flags, id);
  Add(std::move(name), com::MemberKind::PropLet, std::move(type), std::move(help), flags, id);
  return *this;
}

MemberTable& MemberTable::ObjectProperty(std::u16string name, com::TypeRef type, std::u16string help) {
  const std::int32_t id = nextDispid_++;
  Add(name, com::MemberKind::PropGet, type, help, com::member_flags::kNone, id);
  Add(std::move(name), com::MemberKind::PropSet, std::move(type), std::move(help), com::member_flags::kNone, id);
  return *this;
}

MemberTable& MemberTable::GetOnly(std::u16string name, com::TypeRef type, std::u16string help) {
  Add(std::move(name), com::MemberKind::PropGet, std::move(type), std::move(help), com::member_flags::kNone,
      nextDispid_++);
  return *this;
}

MemberTable& MemberTable::LetOnly(std::u16string name, com::TypeRef type, std::u16string help) {
  Add(std::move(name), com::MemberKind::PropLet, std::move(type), std::move(help), com::member_flags::kNone,
      nextDispid_++);
  return *this;
}

MemberTable& MemberTable::Method(std::u16string name, std::vector<com::ParamInfo> params, com::TypeRef result) {
  Add(std::move(name), com::MemberKind::Method, std::move(result), {}, com::member_flags::kNone, nextDispid_++);
  members_.back().params = std::move(params);
  return *this;
}

}  // namespace kelvo::klvctl32

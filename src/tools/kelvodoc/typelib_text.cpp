#include "tools/kelvodoc/typelib_text.h"

#include <sstream>

#include "platform/base/text.h"

namespace kelvo::typelib_text {

std::string U8(std::u16string_view s) { return text::ToUtf8(s); }

std::string TypeText(const com::TypeRef& t) {
  static const char* const kNames[] = {"Void",    "Boolean", "Integer", "Long", "Single",  "Double", "String",
                                       "Variant", "Object",  "Color",   "Font", "Picture", "Enum",   "Handle"};
  std::string s = kNames[static_cast<int>(t.kind)];
  if (!t.name.empty()) s += ":" + U8(t.name);
  return s;
}

std::string ParamsText(const std::vector<com::ParamInfo>& params) {
  std::string s = "(";
  for (const com::ParamInfo& p : params) {
    if (s.size() > 1) s += ", ";
    s += (p.byRef ? "ByRef " : "ByVal ") + U8(p.name) + " As " + TypeText(p.type) + (p.optional ? " Optional" : "");
  }
  return s + ")";
}

std::string KindText(com::MemberKind kind) {
  static const char* const kKinds[] = {"Get", "Let", "Set", "Method"};
  return kKinds[static_cast<int>(kind)];
}

std::string Dump(const com::TypeLibInfo& lib) {
  std::ostringstream out;
  out << "library " << U8(lib.name) << " " << lib.libid.ToString() << " \"" << U8(lib.help) << "\" " << lib.majorVersion
      << "." << lib.minorVersion << " lcid " << lib.lcid << "\n";
  for (const com::EnumInfo* e : lib.enums) {
    out << "enum " << U8(e->name) << "\n";
    for (const auto& [name, value] : e->values) out << "  " << U8(name) << " = " << value << "\n";
  }
  for (const com::CoClassInfo* c : lib.classes) {
    out << "class " << U8(c->name) << " " << c->clsid.ToString() << " control " << c->isControl << " page "
        << c->isPropertyPage << " misc " << c->miscStatus << " bitmap " << c->toolboxBitmap << " default event \""
        << U8(c->defaultEvent) << "\"\n";
    for (const com::CLSID& page : c->propertyPages) out << "  page " << page.ToString() << "\n";
    if (const com::InterfaceInfo* i = c->defaultInterface) {
      out << "  interface " << U8(i->name) << " " << i->iid.ToString() << " flags " << i->flags << "\n";
      for (const com::MemberInfo& m : i->members) {
        out << "    " << m.dispid << " " << KindText(m.kind) << " " << U8(m.name) << ParamsText(m.params) << " As "
            << TypeText(m.type) << " flags " << m.flags << " \"" << U8(m.help) << "\"\n";
      }
    }
    if (const com::EventInterfaceInfo* e = c->eventInterface) {
      out << "  events " << U8(e->name) << " " << e->iid.ToString() << " flags " << e->flags << "\n";
      for (const com::EventInfo& ev : e->events) out << "    " << U8(ev.name) << ParamsText(ev.params) << "\n";
    }
  }
  return out.str();
}

}  // namespace kelvo::typelib_text

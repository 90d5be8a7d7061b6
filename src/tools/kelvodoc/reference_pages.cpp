#include "tools/kelvodoc/reference_pages.h"

#include <sstream>

#include "platform/forms/stdpages.h"
#include "tools/kelvodoc/typelib_text.h"

namespace kelvo::kelvodoc {

namespace {

using typelib_text::U8;

constexpr const char* kGeneratedNote =
    "<!-- Written by kelvodoc from the control library's type library: do not edit, regenerate. -->\n\n";

// Table cells hold no bars or line breaks.
std::string Cell(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '|') {
      out += "\\|";
    } else if (c == '\n') {
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

std::string Anchor(std::u16string_view name) {
  std::string a;
  for (char c : U8(name)) a += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return a;
}

// A type as written in the tables, an enumeration linked to its values.
std::string TypeCell(const com::TypeRef& t) {
  if (t.kind == com::TypeKind::Enum) return "[" + U8(t.name) + "](enumerations.md#" + Anchor(t.name) + ")";
  if (t.kind == com::TypeKind::Color) return "Color (OLE colour)";
  return typelib_text::TypeText(t);
}

std::string ParamsCell(const std::vector<com::ParamInfo>& params) {
  if (params.empty()) return "";
  std::string s;
  for (const com::ParamInfo& p : params) {
    if (!s.empty()) s += ", ";
    s += (p.optional ? "[" : "") + std::string(p.byRef ? "ByRef " : "ByVal ") + U8(p.name) + " As " + TypeCell(p.type) +
         (p.optional ? "]" : "");
  }
  return s;
}

std::string FlagsText(std::uint32_t flags) {
  static const std::pair<std::uint32_t, const char*> kNames[] = {{com::member_flags::kBindable, "bindable"},
                                                                 {com::member_flags::kDefaultBind, "default bind"},
                                                                 {com::member_flags::kHidden, "hidden"},
                                                                 {com::member_flags::kNonBrowsable, "not browsable"},
                                                                 {com::member_flags::kRequestEdit, "requests edit"},
                                                                 {com::member_flags::kDefaultMember, "default member"}};
  std::string s;
  for (const auto& [bit, name] : kNames) {
    if ((flags & bit) != 0) s += (s.empty() ? "" : ", ") + std::string(name);
  }
  return s;
}

// A property's slots gathered under its name, in the order of its first slot.
struct Property {
  const com::MemberInfo* first = nullptr;
  bool get = false;
  bool let = false;
  bool set = false;
  std::uint32_t flags = 0;
};

std::vector<Property> PropertiesOf(const com::InterfaceInfo& i) {
  std::vector<Property> props;
  for (const com::MemberInfo& m : i.members) {
    if (m.kind == com::MemberKind::Method) continue;
    Property* p = nullptr;
    for (Property& q : props) {
      if (com::NamesEqual(q.first->name, m.name)) p = &q;
    }
    if (p == nullptr) p = &props.emplace_back(Property{&m});
    p->get |= m.kind == com::MemberKind::PropGet;
    p->let |= m.kind == com::MemberKind::PropLet;
    p->set |= m.kind == com::MemberKind::PropSet;
    p->flags |= m.flags;
  }
  return props;
}

std::string AccessText(const Property& p) {
  if (p.get && p.let && p.set) return "read/write, also by reference";
  if (p.get && p.set) return "read/write by reference";
  if (p.get && p.let) return "read/write";
  if (p.get) return "read-only";
  return "write-only";
}

void WriteProperties(std::ostream& out, const com::InterfaceInfo& i) {
  const std::vector<Property> props = PropertiesOf(i);
  if (props.empty()) return;
  out << "## Properties\n\n| property | type | access | help string | flags |\n|---|---|---|---|---|\n";
  for (const Property& p : props) {
    std::string name = U8(p.first->name);
    if (!p.first->params.empty()) name += "(" + ParamsCell(p.first->params) + ")";
    out << "| `" << Cell(name) << "` | " << Cell(TypeCell(p.first->type)) << " | " << AccessText(p) << " | "
        << Cell(U8(p.first->help)) << " | " << FlagsText(p.flags) << " |\n";
  }
  out << "\n";
}

void WriteMethods(std::ostream& out, const com::InterfaceInfo& i) {
  std::ostringstream rows;
  for (const com::MemberInfo& m : i.members) {
    if (m.kind != com::MemberKind::Method) continue;
    const std::string result = m.type.kind == com::TypeKind::Void ? "" : TypeCell(m.type);
    rows << "| `" << U8(m.name) << "` | " << Cell(ParamsCell(m.params)) << " | " << Cell(result) << " | "
         << Cell(U8(m.help)) << " |\n";
  }
  if (rows.str().empty()) return;
  out << "## Methods\n\n| method | parameters | result | help string |\n|---|---|---|---|\n" << rows.str() << "\n";
}

void WriteEvents(std::ostream& out, const com::CoClassInfo& c) {
  if (c.eventInterface == nullptr || c.eventInterface->events.empty()) return;
  out << "## Events\n\nEvent set `" << U8(c.eventInterface->name) << "` " << c.eventInterface->iid.ToString()
      << ".\n\n| event | arguments |\n|---|---|\n";
  for (const com::EventInfo& e : c.eventInterface->events) {
    const bool isDefault = com::NamesEqual(e.name, c.defaultEvent);
    out << "| `" << U8(e.name) << "`" << (isDefault ? " (default)" : "") << " | " << Cell(ParamsCell(e.params))
        << " |\n";
  }
  out << "\n";
}

void WritePersistedKeys(std::ostream& out, const com::CoClassInfo& c, const std::vector<std::u16string>& keys) {
  if (!c.isControl) return;
  out << "## Persisted keys\n\n";
  if (keys.empty()) {
    out << "An instance persists nothing.\n\n";
    return;
  }
  out << "What a form file holds for an instance, in the order they are written. A key that is also a property "
         "holds that property's value.\n\n| key | type |\n|---|---|\n";
  for (const std::u16string& key : keys) {
    const com::MemberInfo* m = c.defaultInterface ? c.defaultInterface->Find(key, com::MemberKind::PropGet) : nullptr;
    out << "| `" << U8(key) << "` | " << (m != nullptr ? Cell(TypeCell(m->type)) : "(not a property)") << " |\n";
  }
  out << "\n";
}

std::string ClassLink(const com::CoClassInfo& c) { return "[" + U8(c.name) + "](" + U8(c.name) + ".md)"; }

// A property page of the library by its link, one of the container's by its ProgID.
std::string PageName(const com::TypeLibInfo& lib, const com::CLSID& id) {
  if (const com::CoClassInfo* page = lib.FindClass(id)) return ClassLink(*page);
  if (id == forms::CLSID_StandardFontPage) return "`StandardFont` (the container's)";
  if (id == forms::CLSID_StandardColorPage) return "`StandardColor` (the container's)";
  if (id == forms::CLSID_StandardPicturePage) return "`StandardPicture` (the container's)";
  return id.ToString();
}

std::string ClassPage(const com::TypeLibInfo& lib, const com::CoClassInfo& c, const std::vector<std::u16string>& keys) {
  std::ostringstream out;
  out << kGeneratedNote << "# " << U8(c.name) << "\n\n";
  out << "ProgID `" << U8(lib.name) << "." << U8(c.name) << "`, class id " << c.clsid.ToString() << ".";
  if (c.isPropertyPage) out << " A property page.";
  if ((c.miscStatus & com::olemisc::kInvisibleAtRuntime) != 0) out << " Invisible at run time.";
  if (!c.defaultEvent.empty()) out << " Default event `" << U8(c.defaultEvent) << "`.";
  out << "\n\n";
  if (!c.propertyPages.empty()) {
    out << "Property pages, in the designer's order:";
    for (std::size_t i = 0; i < c.propertyPages.size(); ++i) {
      out << (i == 0 ? " " : ", ") << PageName(lib, c.propertyPages[i]);
    }
    out << ".\n\n";
  }
  if (const com::InterfaceInfo* i = c.defaultInterface) {
    out << "Interface `" << U8(i->name) << "` " << i->iid.ToString() << ".\n\n";
    WriteProperties(out, *i);
    WriteMethods(out, *i);
  }
  WriteEvents(out, c);
  WritePersistedKeys(out, c, keys);
  return out.str();
}

std::string EnumerationsPage(const com::TypeLibInfo& lib) {
  std::ostringstream out;
  out << kGeneratedNote << "# Enumerations of " << U8(lib.name) << "\n\n";
  for (const com::EnumInfo* e : lib.enums) {
    out << "## " << U8(e->name) << "\n\n| name | value |\n|---|---|\n";
    for (const auto& [name, value] : e->values) out << "| `" << U8(name) << "` | " << value << " |\n";
    out << "\n";
  }
  return out.str();
}

std::string IndexPage(const com::TypeLibInfo& lib) {
  std::ostringstream out;
  out << kGeneratedNote << "# " << U8(lib.name) << " reference\n\n";
  out << "Type library " << U8(lib.name) << " " << lib.libid.ToString() << ", \"" << U8(lib.help) << "\", version "
      << lib.majorVersion << "." << lib.minorVersion << ".\n\n| class | kind |\n|---|---|\n";
  for (const com::CoClassInfo* c : lib.classes) {
    out << "| " << ClassLink(*c) << " | " << (c->isPropertyPage ? "property page" : "control") << " |\n";
  }
  out << "\nThe enumerations: [enumerations.md](enumerations.md).\n";
  return out.str();
}

}  // namespace

std::map<std::string, std::string> ReferencePages(const com::TypeLibInfo& lib, const PersistedKeysOf& keys) {
  std::map<std::string, std::string> pages;
  pages["README.md"] = IndexPage(lib);
  pages["enumerations.md"] = EnumerationsPage(lib);
  for (const com::CoClassInfo* c : lib.classes) pages[U8(c->name) + ".md"] = ClassPage(lib, *c, keys(*c));
  return pages;
}

}  // namespace kelvo::kelvodoc

#include "platform/app/events.h"

#include <string>

#include "platform/base/text.h"

namespace kelvo::app {
namespace {

std::u16string TypeName(const com::TypeRef& type) {
  // In TypeKind's order.
  constexpr std::u16string_view kNames[] = {u"Void",   u"Boolean", u"Integer", u"Long",   u"Single",
                                            u"Double", u"String",  u"Variant", u"Object", u"Color",
                                            u"Font",   u"Picture", u"Enum",    u"Handle"};
  if (type.kind == com::TypeKind::Enum && !type.name.empty()) return type.name;
  return std::u16string(kNames[static_cast<std::size_t>(type.kind)]);
}

// The typed value an argument of the declared type arrives as: enumerations
// and handles are Longs.
ValueKind KindFor(com::TypeKind type) {
  switch (type) {
    case com::TypeKind::Boolean:
      return ValueKind::kBoolean;
    case com::TypeKind::Integer:
      return ValueKind::kInteger;
    case com::TypeKind::Long:
    case com::TypeKind::Enum:
    case com::TypeKind::Handle:
      return ValueKind::kLong;
    case com::TypeKind::Single:
      return ValueKind::kSingle;
    case com::TypeKind::Double:
      return ValueKind::kDouble;
    case com::TypeKind::String:
      return ValueKind::kString;
    case com::TypeKind::Object:
      return ValueKind::kObject;
    case com::TypeKind::Color:
      return ValueKind::kColor;
    case com::TypeKind::Font:
      return ValueKind::kFont;
    case com::TypeKind::Picture:
      return ValueKind::kPicture;
    case com::TypeKind::Void:
    case com::TypeKind::Variant:
      break;
  }
  return ValueKind::kVariant;
}

std::u16string Number(std::size_t n) { return text::FromUtf8(std::to_string(n)); }

}  // namespace

std::u16string Signature(const com::EventInfo& event) {
  std::u16string s = event.name + u"(";
  for (std::size_t i = 0; i < event.params.size(); ++i) {
    const com::ParamInfo& p = event.params[i];
    if (i > 0) s += u", ";
    s += (p.byRef ? u"ByRef " : u"ByVal ") + p.name + u" As " + TypeName(p.type);
  }
  return s + u")";
}

std::u16string Misfit(const com::EventInfo& event, std::span<const ParamSpec> params) {
  if (params.size() != event.params.size()) {
    return u"the handler takes " + Number(params.size()) + u" arguments, the event passes " +
           Number(event.params.size());
  }
  for (std::size_t i = 0; i < params.size(); ++i) {
    const com::ParamInfo& declared = event.params[i];
    const ValueKind expected = KindFor(declared.type.kind);
    if (params[i].kind != ValueKind::kVariant && params[i].kind != expected) {
      return u"the handler takes " + declared.name + u" as " + std::u16string(KindName(params[i].kind)) +
             u", the event passes " + std::u16string(KindName(expected));
    }
    if (params[i].byRef && !declared.byRef) {
      return u"the handler takes " + declared.name + u" by reference, the event passes it by value";
    }
  }
  return {};
}

}  // namespace kelvo::app

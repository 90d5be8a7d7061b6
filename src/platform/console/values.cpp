#include "platform/console/values.h"

#include <limits>

#include "platform/base/text.h"

namespace kelvo::console {

com::Variant ToVariant(const Literal& literal) {
  using K = Literal::Kind;
  switch (literal.kind) {
    case K::String: return com::Variant::String(literal.text);
    case K::Integer:
      if (literal.integer >= std::numeric_limits<std::int16_t>::min() &&
          literal.integer <= std::numeric_limits<std::int16_t>::max())
        return com::Variant::Integer(static_cast<std::int16_t>(literal.integer));
      if (literal.integer >= std::numeric_limits<std::int32_t>::min() &&
          literal.integer <= std::numeric_limits<std::int32_t>::max())
        return com::Variant::Long(static_cast<std::int32_t>(literal.integer));
      return com::Variant::Double(static_cast<double>(literal.integer));
    case K::Decimal: return com::Variant::Double(literal.decimal);
    case K::Hex: return com::Variant::Long(static_cast<std::int32_t>(static_cast<std::uint32_t>(literal.integer)));
    case K::Boolean: return com::Variant::Boolean(literal.integer != 0);
    case K::Nothing: return com::Variant::Object(nullptr);
    case K::Empty: return com::Variant();
    case K::Null: return com::Variant::Null();
  }
  return com::Variant();
}

com::Variant ConvertToDeclared(const com::Variant& value, com::TypeKind declared) {
  using T = com::Variant::Type;
  switch (declared) {
    case com::TypeKind::Boolean: return value.ConvertTo(T::Boolean);
    case com::TypeKind::Integer: return value.ConvertTo(T::Integer);
    case com::TypeKind::Long:
    case com::TypeKind::Color:
    case com::TypeKind::Enum:
    case com::TypeKind::Handle: return value.ConvertTo(T::Long);
    case com::TypeKind::Single: return value.ConvertTo(T::Single);
    case com::TypeKind::Double: return value.ConvertTo(T::Double);
    case com::TypeKind::String: return value.ConvertTo(T::String);
    case com::TypeKind::Object:
    case com::TypeKind::Font:
    case com::TypeKind::Picture: return value.ConvertTo(T::Object);
    case com::TypeKind::Void:
    case com::TypeKind::Variant: break;
  }
  return value;
}

std::filesystem::path ScriptPath(std::u16string_view path) { return std::filesystem::path(text::ToUtf8(path)); }

}  // namespace kelvo::console

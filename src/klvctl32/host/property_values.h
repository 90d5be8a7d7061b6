#pragma once
// Conversions between the controls' fields and Variants, as property values
// and as persisted values, chosen by the field's type: colours travel as
// 32-bit Long, 16-bit fields as Integer, 32-bit fields and enumerations as
// Long, booleans as Boolean (true = -1). Conversions follow the runtime's
// rules, so an out-of-range value is error 6 and a non-number error 13.

#include <cstdint>
#include <string>
#include <type_traits>

#include "platform/com/variant.h"
#include "platform/gfx/color.h"

namespace kelvo::klvctl32 {

gfx::OleColor ToColor(const com::Variant& v);
com::Variant FromColor(gfx::OleColor color);

inline com::Variant ToVariant(bool value) { return com::Variant::Boolean(value); }
inline com::Variant ToVariant(std::int16_t value) { return com::Variant::Integer(value); }
inline com::Variant ToVariant(std::int32_t value) { return com::Variant::Long(value); }
inline com::Variant ToVariant(gfx::OleColor value) { return FromColor(value); }
inline com::Variant ToVariant(float value) { return com::Variant::Single(value); }
inline com::Variant ToVariant(double value) { return com::Variant::Double(value); }
inline com::Variant ToVariant(std::u16string value) { return com::Variant::String(std::move(value)); }
template <class E>
requires std::is_enum_v<E> com::Variant ToVariant(E value) {
  return com::Variant::Long(static_cast<std::int32_t>(value));
}

template <class F>
F FromVariant(const com::Variant& v) {
  if constexpr (std::is_same_v<F, bool>) {
    return v.ToBoolean();
  } else if constexpr (std::is_same_v<F, std::int16_t>) {
    return v.ToInteger();
  } else if constexpr (std::is_same_v<F, std::int32_t>) {
    return v.ToLong();
  } else if constexpr (std::is_same_v<F, gfx::OleColor>) {
    return ToColor(v);
  } else if constexpr (std::is_same_v<F, float>) {
    return v.ToSingle();
  } else if constexpr (std::is_same_v<F, double>) {
    return v.ToDouble();
  } else if constexpr (std::is_same_v<F, std::u16string>) {
    return v.ToString();
  } else {
    static_assert(std::is_enum_v<F>, "no Variant conversion for this field type");
    return static_cast<F>(v.ToLong());
  }
}

}  // namespace kelvo::klvctl32

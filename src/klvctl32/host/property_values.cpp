#include "klvctl32/host/property_values.h"

namespace kelvo::klvctl32 {

gfx::OleColor ToColor(const com::Variant& v) { return static_cast<gfx::OleColor>(v.ToLong()); }

com::Variant FromColor(gfx::OleColor color) { return com::Variant::Long(static_cast<std::int32_t>(color)); }

gfx::OleColor ReadColor(forms::IPropertyBag& bag, std::u16string_view key, gfx::OleColor current) {
  return ToColor(bag.Read(key, FromColor(current)));
}

std::int16_t ReadInteger(forms::IPropertyBag& bag, std::u16string_view key, std::int16_t current) {
  return bag.Read(key, com::Variant::Integer(current)).ToInteger();
}

bool ReadBoolean(forms::IPropertyBag& bag, std::u16string_view key, bool current) {
  return bag.Read(key, com::Variant::Boolean(current)).ToBoolean();
}

void WriteColor(forms::IPropertyBag& bag, std::u16string_view key, gfx::OleColor value) {
  bag.Write(key, FromColor(value), com::Variant());
}

void WriteInteger(forms::IPropertyBag& bag, std::u16string_view key, std::int16_t value) {
  bag.Write(key, com::Variant::Integer(value), com::Variant());
}

void WriteBoolean(forms::IPropertyBag& bag, std::u16string_view key, bool value) {
  bag.Write(key, com::Variant::Boolean(value), com::Variant());
}

}  // namespace kelvo::klvctl32

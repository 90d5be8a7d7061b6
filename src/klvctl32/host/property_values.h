#pragma once
// Conversions between the controls' fields and Variants, as property values
// and as persisted values: colours travel as 32-bit Long, 16-bit fields as
// Integer, booleans as Boolean (true = -1). Conversions follow the runtime's
// rules, so an out-of-range value is error 6 and a non-number error 13.

#include <cstdint>
#include <string_view>

#include "platform/com/variant.h"
#include "platform/forms/control.h"
#include "platform/gfx/color.h"

namespace kelvo::klvctl32 {

gfx::OleColor ToColor(const com::Variant& v);
com::Variant FromColor(gfx::OleColor color);

// Persisted values: read with the current value as the default, written
// without a default (the container stores every key).
gfx::OleColor ReadColor(forms::IPropertyBag& bag, std::u16string_view key, gfx::OleColor current);
std::int16_t ReadInteger(forms::IPropertyBag& bag, std::u16string_view key, std::int16_t current);
bool ReadBoolean(forms::IPropertyBag& bag, std::u16string_view key, bool current);
void WriteColor(forms::IPropertyBag& bag, std::u16string_view key, gfx::OleColor value);
void WriteInteger(forms::IPropertyBag& bag, std::u16string_view key, std::int16_t value);
void WriteBoolean(forms::IPropertyBag& bag, std::u16string_view key, bool value);

}  // namespace kelvo::klvctl32

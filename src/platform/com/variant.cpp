#include "platform/com/variant.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "platform/com/error.h"
#include "platform/com/typeinfo.h"

namespace kelvo::com {
namespace {

// Round to nearest, halves to even (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double x) {
  const double below = std::floor(x);
  const double fraction = x - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

template <class Int>
Int RoundChecked(double x, double min, double max) {
  const double r = RoundHalfEven(x);
  if (!(r >= min && r <= max)) throw Error(err::kOverflow);
  return static_cast<Int>(r);
}

// An object where a value is needed: Nothing is "not set", anything else a mismatch.
[[noreturn]] void ThrowObjectAsValue(const ComPtr<IDispatch>& object) {
  throw Error(object ? err::kTypeMismatch : err::kObjectNotSet);
}

std::u16string_view TrimBlanks(std::u16string_view s) {
  while (!s.empty() && (s.front() == u' ' || s.front() == u'\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == u' ' || s.back() == u'\t')) s.remove_suffix(1);
  return s;
}

std::u16string Ascii(const std::string& s) { return std::u16string(s.begin(), s.end()); }

}  // namespace

Variant Variant::Null() {
  Variant v;
  v.value_ = NullTag{};
  return v;
}

Variant Variant::Boolean(bool value) {
  Variant v;
  v.value_ = BoolValue{static_cast<std::int16_t>(value ? -1 : 0)};
  return v;
}

Variant Variant::Integer(std::int16_t value) {
  Variant v;
  v.value_ = value;
  return v;
}

Variant Variant::Long(std::int32_t value) {
  Variant v;
  v.value_ = value;
  return v;
}

Variant Variant::Single(float value) {
  Variant v;
  v.value_ = value;
  return v;
}

Variant Variant::Double(double value) {
  Variant v;
  v.value_ = value;
  return v;
}

Variant Variant::String(std::u16string value) {
  Variant v;
  v.value_ = std::move(value);
  return v;
}

Variant Variant::Object(ComPtr<IDispatch> value) {
  Variant v;
  v.value_ = std::move(value);
  return v;
}

Variant::Type Variant::type() const { return static_cast<Type>(value_.index()); }

bool Variant::IsNumeric() const {
  switch (type()) {
    case Type::Boolean:
    case Type::Integer:
    case Type::Long:
    case Type::Single:
    case Type::Double:
      return true;
    default:
      return false;
  }
}

// The value as a number: Empty is 0, Boolean -1 or 0, a string is parsed.
double Variant::NumericValue() const {
  switch (type()) {
    case Type::Empty:
      return 0;
    case Type::Null:
      throw Error(err::kInvalidNull);
    case Type::Boolean:
      return std::get<BoolValue>(value_).v;
    case Type::Integer:
      return std::get<std::int16_t>(value_);
    case Type::Long:
      return std::get<std::int32_t>(value_);
    case Type::Single:
      return std::get<float>(value_);
    case Type::Double:
      return std::get<double>(value_);
    case Type::String:
      return ParseNumber(std::get<std::u16string>(value_));
    case Type::Object:
      break;
  }
  ThrowObjectAsValue(std::get<ComPtr<IDispatch>>(value_));
}

bool Variant::ToBoolean() const {
  if (type() == Type::String) {
    const std::u16string_view s = TrimBlanks(std::get<std::u16string>(value_));
    if (NamesEqual(s, u"True")) return true;
    if (NamesEqual(s, u"False")) return false;
  }
  return NumericValue() != 0;
}

std::int16_t Variant::ToInteger() const {
  if (type() == Type::Integer) return std::get<std::int16_t>(value_);
  return RoundChecked<std::int16_t>(NumericValue(), -32768.0, 32767.0);
}

std::int32_t Variant::ToLong() const {
  if (type() == Type::Long) return std::get<std::int32_t>(value_);
  return RoundChecked<std::int32_t>(NumericValue(), -2147483648.0, 2147483647.0);
}

float Variant::ToSingle() const {
  if (type() == Type::Single) return std::get<float>(value_);
  const double d = NumericValue();
  if (std::isfinite(d) && std::fabs(d) > FLT_MAX) throw Error(err::kOverflow);
  return static_cast<float>(d);
}

double Variant::ToDouble() const { return NumericValue(); }

std::u16string Variant::ToString() const {
  switch (type()) {
    case Type::Empty:
      return {};
    case Type::Null:
      throw Error(err::kInvalidNull);
    case Type::Boolean:
      return std::get<BoolValue>(value_).v != 0 ? u"True" : u"False";
    case Type::Integer:
      return Ascii(std::to_string(std::get<std::int16_t>(value_)));
    case Type::Long:
      return Ascii(std::to_string(std::get<std::int32_t>(value_)));
    case Type::Single:
      return FormatSingle(std::get<float>(value_));
    case Type::Double:
      return FormatDouble(std::get<double>(value_));
    case Type::String:
      return std::get<std::u16string>(value_);
    case Type::Object:
      break;
  }
  ThrowObjectAsValue(std::get<ComPtr<IDispatch>>(value_));
}

ComPtr<IDispatch> Variant::ToObject() const {
  if (type() != Type::Object) throw Error(err::kObjectRequired);
  return std::get<ComPtr<IDispatch>>(value_);
}

Variant Variant::ConvertTo(Type target) const {
  switch (target) {
    case Type::Empty:
    case Type::Null:
      if (type() != target) throw Error(err::kTypeMismatch);
      return *this;
    case Type::Boolean:
      return Boolean(ToBoolean());
    case Type::Integer:
      return Integer(ToInteger());
    case Type::Long:
      return Long(ToLong());
    case Type::Single:
      return Single(ToSingle());
    case Type::Double:
      return Double(ToDouble());
    case Type::String:
      return String(ToString());
    case Type::Object:
      return Object(ToObject());
  }
  throw Error(err::kTypeMismatch);
}

bool operator==(const Variant& a, const Variant& b) { return a.value_ == b.value_; }

}  // namespace kelvo::com

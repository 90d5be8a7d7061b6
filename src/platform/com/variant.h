#pragma once
// The container's variant: Empty, Null, Boolean (16-bit, true = -1), Integer
// (16-bit), Long (32-bit), Single, Double, String (UTF-16) and Object. The
// conversions follow the original runtime: assignment out of a type's range is
// error 6 "Overflow", a string that is not a number is error 13 "Type
// mismatch", Null where a value is needed is error 94, rounding to integers is
// to nearest with halves to even, and Double to String gives up to 15
// significant digits with the system decimal separator (env::DecimalSeparator).

#include <cstdint>
#include <string>
#include <variant>

#include "platform/com/dispatch.h"
#include "platform/com/unknown.h"

namespace kelvo::com {

class Variant {
 public:
  enum class Type : std::uint8_t { Empty, Null, Boolean, Integer, Long, Single, Double, String, Object };

  Variant() = default;  // Empty
  static Variant Null();
  static Variant Boolean(bool value);
  static Variant Integer(std::int16_t value);
  static Variant Long(std::int32_t value);
  static Variant Single(float value);
  static Variant Double(double value);
  static Variant String(std::u16string value);
  static Variant Object(ComPtr<IDispatch> value);  // a null pointer is Nothing

  Type type() const;
  bool IsEmpty() const { return type() == Type::Empty; }
  bool IsNull() const { return type() == Type::Null; }
  bool IsObject() const { return type() == Type::Object; }
  bool IsString() const { return type() == Type::String; }
  bool IsNumeric() const;  // Boolean, Integer, Long, Single, Double

  // Conversions with the runtime's rules; they throw com::Error.
  bool ToBoolean() const;
  std::int16_t ToInteger() const;
  std::int32_t ToLong() const;
  float ToSingle() const;
  double ToDouble() const;
  std::u16string ToString() const;
  ComPtr<IDispatch> ToObject() const;  // 424 "Object required" unless Object
  // The same value converted to another type (Empty and Null only to themselves).
  Variant ConvertTo(Type type) const;

  // Same type and same value (objects by identity).
  friend bool operator==(const Variant& a, const Variant& b);

 private:
  double NumericValue() const;  // the value as a number, for every numeric conversion
  struct NullTag {
    friend bool operator==(NullTag, NullTag) { return true; }
  };
  struct BoolValue {
    std::int16_t v;  // -1 or 0
    friend bool operator==(BoolValue, BoolValue) = default;
  };
  std::variant<std::monostate, NullTag, BoolValue, std::int16_t, std::int32_t, float, double, std::u16string,
               ComPtr<IDispatch>>
      value_;
};

// Parses a number the way the runtime converts a string: optional blanks, sign,
// digits with the system decimal separator, an optional exponent, or &H / &O
// hexadecimal and octal. Throws 13 when the string is not a number, 6 when it
// is out of the Double range (or a &H / &O literal has more than 32 bits).
double ParseNumber(std::u16string_view text);
// Double to String: up to 15 significant digits, no trailing zeros, exponent
// form ("1E+15", "1E-05") outside the plain range, system decimal separator.
std::u16string FormatDouble(double value);
std::u16string FormatSingle(float value);  // 7 significant digits

}  // namespace kelvo::com

#pragma once
// Typed values of an application's members and event arguments, and how each
// converts to and from the container's Variant: strings, integers, doubles,
// booleans, colours, fonts, pictures, objects. Reading converts by the
// runtime's rules (Variant's To... conversions), so a value that does not
// convert throws com::Error as late binding would (13, 6, 424...).

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/com/dispatch.h"
#include "platform/com/variant.h"
#include "platform/forms/stdobjects.h"
#include "platform/gfx/color.h"
#include "platform/gfx/font.h"

namespace kelvo::app {

// An OLE colour (0x00BBGGRR, or 0x80000000 + n for system colour n): a Long to
// the runtime, kept apart from integers here.
struct Color {
  gfx::OleColor value = 0;
  friend bool operator==(Color, Color) = default;
};

// A picture object; empty for Nothing.
using Picture = com::ComPtr<forms::IPictureObject>;
// Loads a picture file; throws com::Error 481 or 53 as the container does.
Picture LoadPicture(const std::filesystem::path& file);

// The C++ types a member or an event argument may take.
enum class ValueKind : std::uint8_t {
  kString,
  kInteger,
  kLong,
  kSingle,
  kDouble,
  kBoolean,
  kColor,
  kFont,
  kPicture,
  kObject,
  kVariant
};

// Value<T>: kind, To (a Variant) and From (a Variant, by the runtime's rules).
template <class T>
struct Value;

#define KELVO_APP_VALUE(Type, Kind)                       \
  template <>                                             \
  struct Value<Type> {                                    \
    static constexpr ValueKind kind = ValueKind::k##Kind; \
    static com::Variant To(const Type& value);            \
    static Type From(const com::Variant& value);          \
  }
KELVO_APP_VALUE(std::u16string, String);
KELVO_APP_VALUE(std::int16_t, Integer);
KELVO_APP_VALUE(std::int32_t, Long);
KELVO_APP_VALUE(float, Single);
KELVO_APP_VALUE(double, Double);
KELVO_APP_VALUE(bool, Boolean);
KELVO_APP_VALUE(Color, Color);
KELVO_APP_VALUE(gfx::FontDesc, Font);
KELVO_APP_VALUE(Picture, Picture);
KELVO_APP_VALUE(com::ComPtr<com::IDispatch>, Object);
KELVO_APP_VALUE(com::Variant, Variant);
#undef KELVO_APP_VALUE

// The typed value a C++ argument stands for: text of any kind is a String.
template <class T>
using Typed = std::conditional_t<std::is_convertible_v<const T&, std::u16string_view> && !std::is_arithmetic_v<T>,
                                 std::u16string, std::remove_cvref_t<T>>;

// Fonts, pictures and objects are assigned by reference (Set), the rest by value (Let).
constexpr bool AssignedByReference(ValueKind kind) {
  return kind == ValueKind::kFont || kind == ValueKind::kPicture || kind == ValueKind::kObject;
}

// What a value of that kind is called in messages ("Integer", "Color"...).
std::u16string_view KindName(ValueKind kind);

}  // namespace kelvo::app

#pragma once
// Type information: what a type library says about a class. Members are listed
// in slot order (a property's get and let are separate slots), events in event
// number order. The control library carries this data in code; the container,
// the focus engine, the property pages and the console read it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/guid.h"

namespace kelvo::com {

enum class TypeKind : std::uint8_t {
  Void,
  Boolean,
  Integer,
  Long,
  Single,
  Double,
  String,
  Variant,
  Object,
  Color,    // OLE colour, a 32-bit value
  Font,     // font object
  Picture,  // picture object
  Enum,     // a named enumeration of the type library (32-bit)
  Handle,   // window handle or device context, 32-bit
};

struct TypeRef {
  TypeKind kind = TypeKind::Void;
  std::u16string name;  // the enumeration's name for Enum
};

struct ParamInfo {
  std::u16string name;
  TypeRef type;
  bool byRef = true;
  bool optional = false;
};

enum class MemberKind : std::uint8_t { PropGet, PropLet, PropSet, Method };

namespace member_flags {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kBindable = 1u << 0;
inline constexpr std::uint32_t kDefaultBind = 1u << 1;
inline constexpr std::uint32_t kHidden = 1u << 2;
inline constexpr std::uint32_t kNonBrowsable = 1u << 3;
inline constexpr std::uint32_t kRequestEdit = 1u << 4;
inline constexpr std::uint32_t kDefaultMember = 1u << 5;
}  // namespace member_flags

struct MemberInfo {
  std::u16string name;
  MemberKind kind = MemberKind::Method;
  TypeRef type;                   // property type, or the method's result
  std::vector<ParamInfo> params;  // method parameters (not the property value)
  std::u16string help;            // help string; empty when none
  std::uint32_t flags = member_flags::kNone;
  std::int32_t dispid = 0;
};

struct EventInfo {
  std::u16string name;
  std::vector<ParamInfo> params;
};

namespace interface_flags {
inline constexpr std::uint32_t kHidden = 1u << 0;
inline constexpr std::uint32_t kDual = 1u << 1;
inline constexpr std::uint32_t kNonExtensible = 1u << 2;
inline constexpr std::uint32_t kOleAutomation = 1u << 3;
inline constexpr std::uint32_t kDispatchOnly = 1u << 4;  // a dispinterface (event sets)
}  // namespace interface_flags

struct InterfaceInfo {
  std::u16string name;
  IID iid;
  std::uint32_t flags = 0;
  std::vector<MemberInfo> members;  // slot order

  // The member of that name and kind (case-insensitive), or nullptr.
  const MemberInfo* Find(std::u16string_view member, MemberKind kind) const;
  // Any member of that name, or nullptr.
  const MemberInfo* Find(std::u16string_view member) const;
};

struct EventInterfaceInfo {
  std::u16string name;
  IID iid;
  std::uint32_t flags = 0;
  std::vector<EventInfo> events;  // event number order (1-based numbers)

  const EventInfo* Find(std::u16string_view event) const;
  int Number(std::u16string_view event) const;  // 1-based, 0 when absent
};

struct EnumInfo {
  std::u16string name;
  std::vector<std::pair<std::u16string, std::int32_t>> values;
};

// Misc-status bits the container reads before creating a control.
namespace olemisc {
inline constexpr std::uint32_t kRecomposeOnResize = 0x1;
inline constexpr std::uint32_t kCantLinkInside = 0x10;
inline constexpr std::uint32_t kInsideOut = 0x80;
inline constexpr std::uint32_t kActivateWhenVisible = 0x100;
inline constexpr std::uint32_t kInvisibleAtRuntime = 0x400;
inline constexpr std::uint32_t kActsLikeButton = 0x1000;
inline constexpr std::uint32_t kActsLikeLabel = 0x2000;
inline constexpr std::uint32_t kNoUIActivate = 0x4000;
inline constexpr std::uint32_t kAlignable = 0x8000;
inline constexpr std::uint32_t kSimpleFrame = 0x10000;
inline constexpr std::uint32_t kSetClientSiteFirst = 0x20000;
}  // namespace olemisc

struct CoClassInfo {
  std::u16string name;
  CLSID clsid;
  bool isControl = false;
  bool isPropertyPage = false;
  const InterfaceInfo* defaultInterface = nullptr;
  const EventInterfaceInfo* eventInterface = nullptr;  // nullptr for property pages
  std::u16string defaultEvent;                         // empty when none
  std::uint32_t miscStatus = 0;
  std::vector<CLSID> propertyPages;  // in the designer's order
  std::uint16_t toolboxBitmap = 0;   // resource id
};

struct TypeLibInfo {
  std::u16string name;
  GUID libid;
  std::u16string help;
  std::uint16_t majorVersion = 1;
  std::uint16_t minorVersion = 0;
  std::uint32_t lcid = 0x409;
  std::vector<const CoClassInfo*> classes;
  std::vector<const EnumInfo*> enums;

  const CoClassInfo* FindClass(const CLSID& clsid) const;
  const CoClassInfo* FindClass(std::u16string_view name) const;
};

// Case-insensitive comparison of member names (ASCII letters).
bool NamesEqual(std::u16string_view a, std::u16string_view b);
// A hash of a member name that agrees with NamesEqual.
std::size_t NameHash(std::u16string_view name);

// Hash and equality for containers keyed by member name, found by any string view.
struct NameHashing {
  using is_transparent = void;
  std::size_t operator()(std::u16string_view name) const { return NameHash(name); }
};
struct NamesMatch {
  using is_transparent = void;
  bool operator()(std::u16string_view a, std::u16string_view b) const { return NamesEqual(a, b); }
};

}  // namespace kelvo::com

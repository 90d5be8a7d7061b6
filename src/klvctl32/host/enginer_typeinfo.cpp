#include "klvctl32/host/enginer_typeinfo.h"

#include "klvctl32/host/enginer.h"
#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/misc_status.h"
#include "klvctl32/host/resource_ids.h"
#include "klvctl32/host/type_table.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::CLSID CLSID_KelvoEnginer = GuidLiteral("EDA36FEC-34E0-40C4-9194-F44F57582E19");
constexpr com::IID IID__KelvoEnginer = GuidLiteral("06D7174E-1DD6-4480-B9D5-520EF122672E");
constexpr com::IID DIID___KelvoEnginer = GuidLiteral("3EE330D9-68EF-4BB4-B240-142FD22A22C3");

// The engine has no properties and no methods.
const com::InterfaceInfo& DefaultInterface() {
  static const com::InterfaceInfo info{u"_KelvoEnginer", IID__KelvoEnginer, kControlInterfaceFlags,
                                       KelvoEnginer::Table().Members()};
  return info;
}

const com::EventInterfaceInfo& EventInterface() {
  static const com::EventInterfaceInfo info{
      u"__KelvoEnginer",
      DIID___KelvoEnginer,
      kEventInterfaceFlags,
      {{u"CheckKelvoControls", {ByRef(u"tControl", com::TypeRef{com::TypeKind::Object, {}})}}}};
  return info;
}

}  // namespace

const com::CoClassInfo& KelvoEnginerInfo() {
  static const com::CoClassInfo info{
      .name = u"KelvoEnginer",
      .clsid = CLSID_KelvoEnginer,
      .isControl = true,
      .isPropertyPage = false,
      .defaultInterface = &DefaultInterface(),
      .eventInterface = &EventInterface(),
      .defaultEvent = u"CheckKelvoControls",
      .miscStatus = misc::kEveryControl | misc::kNeverTakesFocus | misc::kInvisibleAtRuntime,
      .propertyPages = {},
      .toolboxBitmap = resource::kEnginerBitmap,
  };
  return info;
}

}  // namespace kelvo::klvctl32

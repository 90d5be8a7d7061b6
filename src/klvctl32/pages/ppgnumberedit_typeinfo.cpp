#include "klvctl32/pages/ppgnumberedit_typeinfo.h"

#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/type_table.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::CLSID CLSID_ppgNumberEdit = GuidLiteral("F7066ECE-FC9A-41A0-A7A3-647D18BCBE07");
constexpr com::IID IID__ppgNumberEdit = GuidLiteral("E33897F4-00FB-4389-AD34-705B8106831E");

// A property page publishes an interface without members of its own.
const com::InterfaceInfo& DefaultInterface() {
  static const com::InterfaceInfo info{u"_ppgNumberEdit", IID__ppgNumberEdit, kControlInterfaceFlags, {}};
  return info;
}

}  // namespace

const com::CoClassInfo& ppgNumberEditInfo() {
  static const com::CoClassInfo info{
      .name = u"ppgNumberEdit",
      .clsid = CLSID_ppgNumberEdit,
      .isControl = false,
      .isPropertyPage = true,
      .defaultInterface = &DefaultInterface(),
      .eventInterface = nullptr,
      .defaultEvent = {},
      .miscStatus = 0,
      .propertyPages = {},
      .toolboxBitmap = 0,
  };
  return info;
}

}  // namespace kelvo::klvctl32

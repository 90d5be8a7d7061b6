#include "klvctl32/pages/ppgbuttons_typeinfo.h"

#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/type_table.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::CLSID CLSID_ppgButtons = GuidLiteral("DBBF80B8-0C33-443A-8CB9-CD612FCCB1EE");
constexpr com::IID IID__ppgButtons = GuidLiteral("36DCCEAF-F4C3-486C-BADF-970C54A3ED50");

// A property page publishes an interface without members of its own.
const com::InterfaceInfo& DefaultInterface() {
  static const com::InterfaceInfo info{u"_ppgButtons", IID__ppgButtons, kControlInterfaceFlags, {}};
  return info;
}

}  // namespace

const com::CoClassInfo& ppgButtonsInfo() {
  static const com::CoClassInfo info{
      .name = u"ppgButtons",
      .clsid = CLSID_ppgButtons,
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

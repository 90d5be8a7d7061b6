#include "klvctl32/pages/ppgtextedit_typeinfo.h"

#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/type_table.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::CLSID CLSID_ppgTextEdit = GuidLiteral("741A8B84-B12F-4B87-8625-0C9C9B54E891");
constexpr com::IID IID__ppgTextEdit = GuidLiteral("DA922D9F-8B13-4BC1-8B47-02AF10F1241E");

// A property page publishes an interface without members of its own.
const com::InterfaceInfo& DefaultInterface() {
  static const com::InterfaceInfo info{u"_ppgTextEdit", IID__ppgTextEdit, kControlInterfaceFlags, {}};
  return info;
}

}  // namespace

const com::CoClassInfo& ppgTextEditInfo() {
  static const com::CoClassInfo info{
      .name = u"ppgTextEdit",
      .clsid = CLSID_ppgTextEdit,
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

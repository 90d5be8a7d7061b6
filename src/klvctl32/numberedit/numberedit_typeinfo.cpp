#include "klvctl32/numberedit/numberedit_typeinfo.h"

#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/misc_status.h"
#include "klvctl32/host/resource_ids.h"
#include "klvctl32/host/type_table.h"
#include "klvctl32/numberedit/numberedit.h"
#include "klvctl32/pages/ppgnumberedit_typeinfo.h"
#include "platform/forms/stdpages.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::CLSID CLSID_KelvoNumberEdit = GuidLiteral("F3546042-45D4-4283-9D1E-E0C31A9C139E");
constexpr com::IID IID__KelvoNumberEdit = GuidLiteral("80BE0AB2-9CCE-49B5-8B62-5CB04F17210F");
constexpr com::IID DIID___KelvoNumberEdit = GuidLiteral("69D71CB0-1557-4B3C-91C9-10E59FA91396");

const com::InterfaceInfo& DefaultInterface() {
  static const com::InterfaceInfo info{u"_KelvoNumberEdit", IID__KelvoNumberEdit, kControlInterfaceFlags,
                                       KelvoNumberEdit::Table().Members()};
  return info;
}

const com::EventInterfaceInfo& EventInterface() {
  static const com::EventInterfaceInfo info{u"__KelvoNumberEdit", DIID___KelvoNumberEdit, kEventInterfaceFlags,
                                            EditControlEvents()};
  return info;
}

}  // namespace

const com::EnumInfo& eNumberFormatInfo() {
  static const com::EnumInfo info{u"eNumberFormat", {{u"BrazilFormat", 0}, {u"USFormat", 1}}};
  return info;
}

const com::CoClassInfo& KelvoNumberEditInfo() {
  static const com::CoClassInfo info{
      .name = u"KelvoNumberEdit",
      .clsid = CLSID_KelvoNumberEdit,
      .isControl = true,
      .isPropertyPage = false,
      .defaultInterface = &DefaultInterface(),
      .eventInterface = &EventInterface(),
      .defaultEvent = u"Changed",
      .miscStatus = misc::kEveryControl,
      .propertyPages = {ppgNumberEditInfo().clsid, forms::CLSID_StandardFontPage, forms::CLSID_StandardColorPage},
      .toolboxBitmap = resource::kNumberEditBitmap,
  };
  return info;
}

}  // namespace kelvo::klvctl32

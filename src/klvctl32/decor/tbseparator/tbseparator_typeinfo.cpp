#include "klvctl32/decor/tbseparator/tbseparator_typeinfo.h"

#include "klvctl32/decor/tbseparator/tbseparator.h"
#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/misc_status.h"
#include "klvctl32/host/resource_ids.h"
#include "klvctl32/host/type_table.h"
#include "platform/forms/stdpages.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::CLSID CLSID_KelvoTBSeparator = GuidLiteral("87992F55-4128-439F-898A-C73B9F2EEB81");
constexpr com::IID IID__KelvoTBSeparator = GuidLiteral("B7B961B2-83E4-41A4-A443-00A2AD91C0BB");
constexpr com::IID DIID___KelvoTBSeparator = GuidLiteral("CEA8D5F7-4628-435C-B94E-CFD1E2D7B3B0");

const com::InterfaceInfo& DefaultInterface() {
  static const com::InterfaceInfo info{u"_KelvoTBSeparator", IID__KelvoTBSeparator, kControlInterfaceFlags,
                                       KelvoTBSeparator::Table().Members()};
  return info;
}

const com::EventInterfaceInfo& EventInterface() {
  static const com::EventInterfaceInfo info{u"__KelvoTBSeparator", DIID___KelvoTBSeparator, kEventInterfaceFlags, {}};
  return info;
}

}  // namespace

const com::CoClassInfo& KelvoTBSeparatorInfo() {
  static const com::CoClassInfo info{
      .name = u"KelvoTBSeparator",
      .clsid = CLSID_KelvoTBSeparator,
      .isControl = true,
      .isPropertyPage = false,
      .defaultInterface = &DefaultInterface(),
      .eventInterface = &EventInterface(),
      .defaultEvent = {},
      .miscStatus = misc::kEveryControl | misc::kNeverTakesFocus,
      .propertyPages = {forms::CLSID_StandardColorPage},
      .toolboxBitmap = resource::kTBSeparatorBitmap,
  };
  return info;
}

}  // namespace kelvo::klvctl32

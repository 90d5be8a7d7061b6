#include "klvctl32/buttons/tbbutton_typeinfo.h"

#include "klvctl32/buttons/tbbutton.h"
#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/misc_status.h"
#include "klvctl32/host/resource_ids.h"
#include "klvctl32/host/type_table.h"
#include "klvctl32/pages/ppgbuttons_typeinfo.h"
#include "platform/forms/stdpages.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::CLSID CLSID_KelvoTBButton = GuidLiteral("28A535BC-BDC3-4952-8A03-664BE51E740A");
constexpr com::IID IID__KelvoTBButton = GuidLiteral("9A05B12B-67EF-4D67-A11D-0DDA80894B44");
constexpr com::IID DIID___KelvoTBButton = GuidLiteral("D4536D19-A175-4DD8-B691-98EF3337793F");

const com::InterfaceInfo& DefaultInterface() {
  static const com::InterfaceInfo info{u"_KelvoTBButton", IID__KelvoTBButton, kControlInterfaceFlags,
                                       KelvoTBButton::Table().Members()};
  return info;
}

const com::EventInterfaceInfo& EventInterface() {
  static const com::EventInterfaceInfo info{u"__KelvoTBButton",
                                            DIID___KelvoTBButton,
                                            kEventInterfaceFlags,
                                            {{u"Click", {}}, {u"MouseEnter", {}}, {u"MouseExit", {}}}};
  return info;
}

}  // namespace

const com::CoClassInfo& KelvoTBButtonInfo() {
  static const com::CoClassInfo info{
      .name = u"KelvoTBButton",
      .clsid = CLSID_KelvoTBButton,
      .isControl = true,
      .isPropertyPage = false,
      .defaultInterface = &DefaultInterface(),
      .eventInterface = &EventInterface(),
      .defaultEvent = u"Click",
      .miscStatus = misc::kEveryControl | misc::kNeverTakesFocus,
      .propertyPages = {ppgButtonsInfo().clsid, forms::CLSID_StandardFontPage, forms::CLSID_StandardColorPage,
                        forms::CLSID_StandardPicturePage},
      .toolboxBitmap = resource::kTBButtonBitmap,
  };
  return info;
}

}  // namespace kelvo::klvctl32

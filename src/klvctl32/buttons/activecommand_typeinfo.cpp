#include "klvctl32/buttons/activecommand_typeinfo.h"

#include "klvctl32/buttons/activecommand.h"
#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/misc_status.h"
#include "klvctl32/host/resource_ids.h"
#include "klvctl32/host/type_table.h"
#include "klvctl32/pages/ppgbuttons_typeinfo.h"
#include "platform/forms/stdpages.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::CLSID CLSID_KelvoActiveCommand = GuidLiteral("32DEFA2E-9ABF-47AF-BDAF-D04F09A28C80");
constexpr com::IID IID__KelvoActiveCommand = GuidLiteral("C8A28E1D-54B1-464B-853B-16CE3332E6E7");
constexpr com::IID DIID___KelvoActiveCommand = GuidLiteral("A7ED9ABE-1BD3-44F2-83B5-337A6BED9AFB");

const com::InterfaceInfo& DefaultInterface() {
  static const com::InterfaceInfo info{u"_KelvoActiveCommand", IID__KelvoActiveCommand, kControlInterfaceFlags,
                                       KelvoActiveCommand::Table().Members()};
  return info;
}

const com::EventInterfaceInfo& EventInterface() {
  static const com::EventInterfaceInfo info{u"__KelvoActiveCommand",
                                            DIID___KelvoActiveCommand,
                                            kEventInterfaceFlags,
                                            {{u"Click", {}}, {u"MouseEnter", {}}, {u"MouseExit", {}}}};
  return info;
}

}  // namespace

const com::CoClassInfo& KelvoActiveCommandInfo() {
  static const com::CoClassInfo info{
      .name = u"KelvoActiveCommand",
      .clsid = CLSID_KelvoActiveCommand,
      .isControl = true,
      .isPropertyPage = false,
      .defaultInterface = &DefaultInterface(),
      .eventInterface = &EventInterface(),
      .defaultEvent = u"Click",
      .miscStatus = misc::kEveryControl | misc::kActsLikeButton,
      .propertyPages = {ppgButtonsInfo().clsid, forms::CLSID_StandardFontPage, forms::CLSID_StandardColorPage,
                        forms::CLSID_StandardPicturePage},
      .toolboxBitmap = resource::kActiveCommandBitmap,
  };
  return info;
}

}  // namespace kelvo::klvctl32

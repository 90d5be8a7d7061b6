// Type information of the property pages. A page is a class that publishes an
// interface without members of its own, so the three differ only in names and ids.

#include <string>
#include <utility>

#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/type_table.h"
#include "klvctl32/pages/ppgbuttons_typeinfo.h"
#include "klvctl32/pages/ppgnumberedit_typeinfo.h"
#include "klvctl32/pages/ppgtextedit_typeinfo.h"

namespace kelvo::klvctl32 {

namespace {

// A page's class and its default interface "_<name>", which the class points to.
struct PropertyPage {
  PropertyPage(std::u16string name, com::CLSID clsid, com::IID iid)
      : defaultInterface{u"_" + name, iid, kControlInterfaceFlags, {}},
        info{.name = std::move(name),
             .clsid = clsid,
             .isControl = false,
             .isPropertyPage = true,
             .defaultInterface = &defaultInterface,
             .eventInterface = nullptr,
             .defaultEvent = {},
             .miscStatus = 0,
             .propertyPages = {},
             .toolboxBitmap = 0} {}
  PropertyPage(const PropertyPage&) = delete;
  PropertyPage& operator=(const PropertyPage&) = delete;

  com::InterfaceInfo defaultInterface;
  com::CoClassInfo info;
};

}  // namespace

const com::CoClassInfo& ppgTextEditInfo() {
  static const PropertyPage page{u"ppgTextEdit", GuidLiteral("741A8B84-B12F-4B87-8625-0C9C9B54E891"),
                                 GuidLiteral("DA922D9F-8B13-4BC1-8B47-02AF10F1241E")};
  return page.info;
}

const com::CoClassInfo& ppgNumberEditInfo() {
  static const PropertyPage page{u"ppgNumberEdit", GuidLiteral("F7066ECE-FC9A-41A0-A7A3-647D18BCBE07"),
                                 GuidLiteral("E33897F4-00FB-4389-AD34-705B8106831E")};
  return page.info;
}

const com::CoClassInfo& ppgButtonsInfo() {
  static const PropertyPage page{u"ppgButtons", GuidLiteral("DBBF80B8-0C33-443A-8CB9-CD612FCCB1EE"),
                                 GuidLiteral("36DCCEAF-F4C3-486C-BADF-970C54A3ED50")};
  return page.info;
}

}  // namespace kelvo::klvctl32

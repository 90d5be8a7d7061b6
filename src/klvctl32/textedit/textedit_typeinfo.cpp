#include "klvctl32/textedit/textedit_typeinfo.h"

#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/misc_status.h"
#include "klvctl32/host/resource_ids.h"
#include "klvctl32/host/type_table.h"
#include "klvctl32/pages/ppgtextedit_typeinfo.h"
#include "klvctl32/textedit/textedit.h"
#include "platform/forms/stdpages.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::CLSID CLSID_KelvoTextEdit = GuidLiteral("A9555F43-762D-41C7-B996-2F9BD91A4882");
constexpr com::IID IID__KelvoTextEdit = GuidLiteral("2731D2E1-969A-4BF8-B88F-623E662E81CA");
constexpr com::IID DIID___KelvoTextEdit = GuidLiteral("0391BF38-8841-422E-B74C-CC4C20F1A7A0");

const com::InterfaceInfo& DefaultInterface() {
  static const com::InterfaceInfo info{u"_KelvoTextEdit", IID__KelvoTextEdit, kControlInterfaceFlags,
                                       KelvoTextEdit::Table().Members()};
  return info;
}

const com::EventInterfaceInfo& EventInterface() {
  static const com::EventInterfaceInfo info{u"__KelvoTextEdit", DIID___KelvoTextEdit, kEventInterfaceFlags,
                                            EditControlEvents()};
  return info;
}

}  // namespace

const com::EnumInfo& kcTextStyleInfo() {
  static const com::EnumInfo info{u"kcTextStyle",
                                  {{u"kcNormal", 0}, {u"kcUpperCase", 1}, {u"kcLowerCase", 2}, {u"kcPadLeft", 3}}};
  return info;
}

const com::CoClassInfo& KelvoTextEditInfo() {
  static const com::CoClassInfo info{
      .name = u"KelvoTextEdit",
      .clsid = CLSID_KelvoTextEdit,
      .isControl = true,
      .isPropertyPage = false,
      .defaultInterface = &DefaultInterface(),
      .eventInterface = &EventInterface(),
      .defaultEvent = u"Changed",
      .miscStatus = misc::kEveryControl,
      .propertyPages = {ppgTextEditInfo().clsid, forms::CLSID_StandardFontPage, forms::CLSID_StandardColorPage},
      .toolboxBitmap = resource::kTextEditBitmap,
  };
  return info;
}

}  // namespace kelvo::klvctl32

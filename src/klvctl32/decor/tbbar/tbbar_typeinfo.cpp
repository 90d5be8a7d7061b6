#include "klvctl32/decor/tbbar/tbbar_typeinfo.h"

#include "klvctl32/decor/tbbar/tbbar.h"
#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/misc_status.h"
#include "klvctl32/host/resource_ids.h"
#include "klvctl32/host/type_table.h"
#include "platform/forms/stdpages.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::CLSID CLSID_KelvoTBBar = GuidLiteral("8B049524-7264-4172-B0F0-1F86A9321F21");
constexpr com::IID IID__KelvoTBBar = GuidLiteral("F8A5AE43-80C4-47E8-B091-41F34E14E026");
constexpr com::IID DIID___KelvoTBBar = GuidLiteral("E113AFF1-DF9C-4E62-B78C-E9C4F64096F6");

const com::InterfaceInfo& DefaultInterface() {
  static const com::InterfaceInfo info{u"_KelvoTBBar", IID__KelvoTBBar, kControlInterfaceFlags,
                                       KelvoTBBar::Table().Members()};
  return info;
}

std::vector<com::ParamInfo> ButtonXY(bool byRef) {
  const auto param = byRef ? ByRef : ByVal;
  return {param(u"Button", IntegerT()), param(u"x", SingleT()), param(u"y", SingleT())};
}

const com::EventInterfaceInfo& EventInterface() {
  static const com::EventInterfaceInfo info{u"__KelvoTBBar",
                                            DIID___KelvoTBBar,
                                            kEventInterfaceFlags,
                                            {
                                                {u"LeftLinesClick", {ByVal(u"Button", IntegerT())}},
                                                {u"LeftLinesMouseMove", ButtonXY(false)},
                                                {u"Click", {ByVal(u"Button", IntegerT())}},
                                                {u"DblClick", {}},
                                                {u"MouseMove", ButtonXY(false)},
                                                {u"MouseDown", ButtonXY(true)},
                                                {u"MouseUp", ButtonXY(true)},
                                                {u"Resize", {}},
                                            }};
  return info;
}

}  // namespace

const com::EnumInfo& kcSizeBarInfo() {
  static const com::EnumInfo info{u"kcSizeBar", {{u"kcNone", 0}, {u"kcBarTo16x16", 1}, {u"kcBarTo32x32", 2}}};
  return info;
}

const com::CoClassInfo& KelvoTBBarInfo() {
  static const com::CoClassInfo info{
      .name = u"KelvoTBBar",
      .clsid = CLSID_KelvoTBBar,
      .isControl = true,
      .isPropertyPage = false,
      .defaultInterface = &DefaultInterface(),
      .eventInterface = &EventInterface(),
      .defaultEvent = u"LeftLinesClick",
      .miscStatus = misc::kEveryControl | misc::kContainer | misc::kAlignable,
      .propertyPages = {forms::CLSID_StandardColorPage},
      .toolboxBitmap = resource::kTBBarBitmap,
  };
  return info;
}

}  // namespace kelvo::klvctl32

#include "klvctl32/decor/panel3d/panel3d_typeinfo.h"

#include "klvctl32/decor/panel3d/panel3d.h"
#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/misc_status.h"
#include "klvctl32/host/resource_ids.h"
#include "klvctl32/host/type_table.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::CLSID CLSID_KelvoPanel3D = GuidLiteral("D005D495-A824-4A92-93B7-164EEC105BE6");
constexpr com::IID IID__KelvoPanel3D = GuidLiteral("F8590253-4610-4751-96CA-A07D0CFBDCCA");
constexpr com::IID DIID___KelvoPanel3D = GuidLiteral("214EFA54-10EF-43E1-93A9-959EC27D0017");

const com::InterfaceInfo& DefaultInterface() {
  static const com::InterfaceInfo info{u"_KelvoPanel3D", IID__KelvoPanel3D, kControlInterfaceFlags,
                                       KelvoPanel3D::Table().Members()};
  return info;
}

const com::EventInterfaceInfo& EventInterface() {
  static const com::EventInterfaceInfo info{u"__KelvoPanel3D", DIID___KelvoPanel3D, kEventInterfaceFlags, {}};
  return info;
}

}  // namespace

const com::EnumInfo& KLV_BorderStyleInfo() {
  static const com::EnumInfo info{u"KLV_BorderStyle",
                                  {{u"KLVPN_None", 0}, {u"KLVPN_Raised", 1}, {u"KLVPN_Lowered", 2}}};
  return info;
}

const com::CoClassInfo& KelvoPanel3DInfo() {
  static const com::CoClassInfo info{
      .name = u"KelvoPanel3D",
      .clsid = CLSID_KelvoPanel3D,
      .isControl = true,
      .isPropertyPage = false,
      .defaultInterface = &DefaultInterface(),
      .eventInterface = &EventInterface(),
      .defaultEvent = {},
      .miscStatus = misc::kEveryControl | misc::kContainer | misc::kNeverTakesFocus,
      .propertyPages = {},
      .toolboxBitmap = resource::kPanel3DBitmap,
  };
  return info;
}

}  // namespace kelvo::klvctl32

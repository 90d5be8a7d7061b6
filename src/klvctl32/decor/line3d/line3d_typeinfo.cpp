#include "klvctl32/decor/line3d/line3d_typeinfo.h"

#include "klvctl32/decor/line3d/line3d.h"
#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/misc_status.h"
#include "klvctl32/host/resource_ids.h"
#include "klvctl32/host/type_table.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::CLSID CLSID_KelvoLine3D = GuidLiteral("8FAA2103-6FFF-4D27-97F3-73D919C2A6EA");
constexpr com::IID IID__KelvoLine3D = GuidLiteral("B8944CD8-A261-4720-BF4C-919D19C2FFBB");
constexpr com::IID DIID___KelvoLine3D = GuidLiteral("FD0A3FC1-F391-4FB6-9482-96CA20D66F22");

const com::InterfaceInfo& DefaultInterface() {
  static const com::InterfaceInfo info{u"_KelvoLine3D", IID__KelvoLine3D, kControlInterfaceFlags,
                                       KelvoLine3D::Table().Members()};
  return info;
}

const com::EventInterfaceInfo& EventInterface() {
  static const com::EventInterfaceInfo info{u"__KelvoLine3D", DIID___KelvoLine3D, kEventInterfaceFlags, {}};
  return info;
}

}  // namespace

const com::EnumInfo& KLV_LineStyleInfo() {
  static const com::EnumInfo info{u"KLV_LineStyle", {{u"LnRaised", 1}, {u"LnLowered", 2}}};
  return info;
}

const com::EnumInfo& KLV_LineOrientationInfo() {
  static const com::EnumInfo info{u"KLV_LineOrientation", {{u"LnVertical", 0}, {u"LnHorizontal", 1}}};
  return info;
}

const com::CoClassInfo& KelvoLine3DInfo() {
  static const com::CoClassInfo info{
      .name = u"KelvoLine3D",
      .clsid = CLSID_KelvoLine3D,
      .isControl = true,
      .isPropertyPage = false,
      .defaultInterface = &DefaultInterface(),
      .eventInterface = &EventInterface(),
      .defaultEvent = {},
      .miscStatus = misc::kEveryControl | misc::kNeverTakesFocus,
      .propertyPages = {},
      .toolboxBitmap = resource::kLine3DBitmap,
  };
  return info;
}

}  // namespace kelvo::klvctl32

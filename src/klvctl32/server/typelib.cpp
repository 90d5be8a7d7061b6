#include "klvctl32/server/typelib.h"

#include "klvctl32/buttons/face_typeinfo.h"
#include "klvctl32/copyfile/copyfile_typeinfo.h"
#include "klvctl32/decor/line3d/line3d_typeinfo.h"
#include "klvctl32/decor/panel3d/panel3d_typeinfo.h"
#include "klvctl32/decor/tbbar/tbbar_typeinfo.h"
#include "klvctl32/host/guid_literal.h"
#include "klvctl32/numberedit/numberedit_typeinfo.h"
#include "klvctl32/server/catalogue.h"
#include "klvctl32/textedit/textedit_typeinfo.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::GUID LIBID_KLVCTL32 = GuidLiteral("ABED1B1B-3233-4F0D-82C1-79CDC1400818");

std::vector<const com::CoClassInfo*> Classes() {
  std::vector<const com::CoClassInfo*> classes;
  for (const CatalogueEntry& entry : Catalogue()) classes.push_back(&entry.info());
  return classes;
}

}  // namespace

const com::TypeLibInfo& TypeLibrary() {
  static const com::TypeLibInfo info{
      .name = u"KLVCTL32",
      .libid = LIBID_KLVCTL32,
      .help = u"KelvoControls 32Bits",
      .majorVersion = 1,
      .minorVersion = 0,
      .lcid = 0x409,
      .classes = Classes(),
      .enums = {&eNumberFormatInfo(), &kcTextStyleInfo(), &kcSizeBarInfo(), &kcPictSizeInfo(), &kcPictPositionInfo(),
                &kcStyleInfo(), &KLV_BorderStyleInfo(), &KLV_LineStyleInfo(), &KLV_LineOrientationInfo(),
                &KC_BlockSizeInfo()},
  };
  return info;
}

}  // namespace kelvo::klvctl32

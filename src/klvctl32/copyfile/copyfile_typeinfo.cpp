#include "klvctl32/copyfile/copyfile_typeinfo.h"

#include "klvctl32/copyfile/copyfile.h"
#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/misc_status.h"
#include "klvctl32/host/resource_ids.h"
#include "klvctl32/host/type_table.h"
#include "platform/forms/stdpages.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::CLSID CLSID_KelvoCopyFile = GuidLiteral("1EC4E3E5-4AD8-461E-B7D1-2B74888BFCC9");
constexpr com::IID IID__KelvoCopyFile = GuidLiteral("E6D59AE2-D7DF-4725-B61B-FCFB37D7B42D");
constexpr com::IID DIID___KelvoCopyFile = GuidLiteral("230FFAA4-4E90-4938-96E4-FA9158A2E82D");

const com::InterfaceInfo& DefaultInterface() {
  static const com::InterfaceInfo info{u"_KelvoCopyFile", IID__KelvoCopyFile, kControlInterfaceFlags,
                                       KelvoCopyFile::Table().Members()};
  return info;
}

const com::EventInterfaceInfo& EventInterface() {
  static const com::EventInterfaceInfo info{
      u"__KelvoCopyFile",
      DIID___KelvoCopyFile,
      kEventInterfaceFlags,
      {
          {u"Done", {}},
          {u"Error", {ByVal(u"ErrNumber", IntegerT())}},
          {u"Progress", {ByVal(u"Current", IntegerT()), ByRef(u"Cancel", IntegerT())}},
          {u"NextVolume", {ByVal(u"NextFileName", StringT()), ByRef(u"Cancel", IntegerT())}},
      }};
  return info;
}

}  // namespace

const com::EnumInfo& KC_BlockSizeInfo() {
  static const com::EnumInfo info{u"KC_BlockSize", {{u"Block_1K", 1}, {u"Block_5K", 2}, {u"Block_10K", 3}}};
  return info;
}

const com::CoClassInfo& KelvoCopyFileInfo() {
  static const com::CoClassInfo info{
      .name = u"KelvoCopyFile",
      .clsid = CLSID_KelvoCopyFile,
      .isControl = true,
      .isPropertyPage = false,
      .defaultInterface = &DefaultInterface(),
      .eventInterface = &EventInterface(),
      .defaultEvent = u"Progress",
      .miscStatus = misc::kEveryControl | misc::kNeverTakesFocus,
      .propertyPages = {forms::CLSID_StandardColorPage},
      .toolboxBitmap = resource::kCopyFileBitmap,
  };
  return info;
}

}  // namespace kelvo::klvctl32

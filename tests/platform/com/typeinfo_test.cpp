#include "platform/com/typeinfo.h"

#include <gtest/gtest.h>

namespace kelvo::com {
namespace {

TEST(TypeInfo, NamesCompareIgnoringAsciiCaseOnly) {
  EXPECT_TRUE(NamesEqual(u"BackColor", u"BACKCOLOR"));
  EXPECT_TRUE(NamesEqual(u"dcDataValue", u"DcDataValue"));
  EXPECT_FALSE(NamesEqual(u"Text", u"Text1"));
  EXPECT_FALSE(NamesEqual(u"Á", u"á"));
  EXPECT_FALSE(NamesEqual(u"[", u"{"));  // differ by the case bit, but are not letters
  EXPECT_EQ(NameHash(u"BackColor"), NameHash(u"BACKCOLOR"));
  EXPECT_NE(NameHash(u"Á"), NameHash(u"á"));
}

InterfaceInfo SampleInterface() {
  InterfaceInfo info;
  info.name = u"_Sample";
  info.members = {
      {u"Text", MemberKind::PropGet, {TypeKind::String, {}}, {}, u"", 0, 1},
      {u"Text", MemberKind::PropLet, {TypeKind::String, {}}, {}, u"", 0, 1},
      {u"Font", MemberKind::PropSet, {TypeKind::Font, {}}, {}, u"", 0, 2},
      {u"Refresh", MemberKind::Method, {TypeKind::Void, {}}, {}, u"", 0, 3},
  };
  return info;
}

TEST(TypeInfo, FindsMembersByNameAndKind) {
  const InterfaceInfo info = SampleInterface();
  ASSERT_NE(info.Find(u"text", MemberKind::PropLet), nullptr);
  EXPECT_EQ(info.Find(u"text", MemberKind::PropLet), &info.members[1]);
  EXPECT_EQ(info.Find(u"FONT", MemberKind::PropGet), nullptr);
  EXPECT_EQ(info.Find(u"refresh"), &info.members[3]);
  EXPECT_EQ(info.Find(u"Text"), &info.members[0]);  // the first slot of that name
  EXPECT_EQ(info.Find(u"Missing"), nullptr);
}

TEST(TypeInfo, EventNumbersAreOneBased) {
  EventInterfaceInfo events;
  events.events = {{u"Click", {}}, {u"Changed", {}}, {u"KeyDown", {}}};
  EXPECT_EQ(events.Number(u"click"), 1);
  EXPECT_EQ(events.Number(u"KEYDOWN"), 3);
  EXPECT_EQ(events.Number(u"MouseEnter"), 0);
  EXPECT_EQ(events.Find(u"changed"), &events.events[1]);
}

TEST(TypeInfo, LibraryFindsClassesByIdAndName) {
  CoClassInfo a;
  a.name = u"KelvoPanel3D";
  a.clsid = MakeGuid("{00000001-0000-0000-0000-000000000001}");
  CoClassInfo b;
  b.name = u"KelvoLine3D";
  b.clsid = MakeGuid("{00000001-0000-0000-0000-000000000002}");
  TypeLibInfo lib;
  lib.classes = {&a, &b};
  EXPECT_EQ(lib.FindClass(b.clsid), &b);
  EXPECT_EQ(lib.FindClass(u"kelvopanel3d"), &a);
  EXPECT_EQ(lib.FindClass(GUID{}), nullptr);
  EXPECT_EQ(lib.FindClass(u"KelvoTBBar"), nullptr);
}

}  // namespace
}  // namespace kelvo::com

// What registration writes and that unregistration leaves the registry as it
// was before.
#include "klvctl32/server/registration.h"

#include <gtest/gtest.h>

#include "klvctl32/server/typelib.h"

namespace kelvo::klvctl32 {
namespace {

const std::filesystem::path kServer = "/opt/kelvo/system32/KLVCTL32.OCX";

std::string Default(const com::RegistryTree& tree, const std::string& key) {
  const auto v = tree.GetValue(key, "");
  return v ? v->text : "<missing>";
}

std::string ClassKey(std::u16string_view name) {
  return "HKEY_CLASSES_ROOT\\CLSID\\" + TypeLibrary().FindClass(name)->clsid.ToString();
}

com::RegistryTree SomebodyElsesRegistry() {
  com::RegistryTree tree;
  tree.SetValue("HKEY_CLASSES_ROOT\\CLSID\\{11111111-2222-3333-4444-555555555555}", "", com::RegValue::Str("Other"));
  tree.SetValue("HKEY_CLASSES_ROOT\\TypeLib\\{11111111-2222-3333-4444-666666666666}\\2.0", "",
                com::RegValue::Str("Other library"));
  tree.SetValue("HKEY_CLASSES_ROOT\\Other.Thing\\CLSID", "",
                com::RegValue::Str("{11111111-2222-3333-4444-555555555555}"));
  tree.SetValue("HKEY_CURRENT_USER\\Software\\Kelvo", "Answer", com::RegValue::Dword(42));
  return tree;
}

TEST(Registration, WritesAControlClass) {
  com::RegistryTree tree;
  RegisterServer(tree, kServer);
  const std::string key = ClassKey(u"KelvoPanel3D");
  EXPECT_EQ(Default(tree, key), "KelvoPanel3D");
  EXPECT_EQ(Default(tree, key + "\\InprocServer32"), kServer.string());
  EXPECT_EQ(tree.GetValue(key + "\\InprocServer32", "ThreadingModel")->text, "Apartment");
  EXPECT_TRUE(tree.HasKey(key + "\\Control"));
  EXPECT_EQ(Default(tree, key + "\\MiscStatus"), "0");
  EXPECT_EQ(Default(tree, key + "\\MiscStatus\\1"),
            std::to_string(TypeLibrary().FindClass(u"KelvoPanel3D")->miscStatus));
  EXPECT_EQ(Default(tree, key + "\\ToolboxBitmap32"), kServer.string() + ", 107");
  EXPECT_EQ(Default(tree, key + "\\TypeLib"), TypeLibrary().libid.ToString());
  EXPECT_EQ(Default(tree, key + "\\Version"), "1.0");
  EXPECT_EQ(Default(tree, key + "\\ProgID"), "KLVCTL32.KelvoPanel3D");
  EXPECT_EQ(Default(tree, "HKEY_CLASSES_ROOT\\KLVCTL32.KelvoPanel3D"), "KelvoPanel3D");
  EXPECT_EQ(Default(tree, "HKEY_CLASSES_ROOT\\KLVCTL32.KelvoPanel3D\\CLSID"),
            TypeLibrary().FindClass(u"KelvoPanel3D")->clsid.ToString());
}

TEST(Registration, MiscStatusIsDecimal) {
  com::RegistryTree tree;
  RegisterServer(tree, kServer);
  EXPECT_EQ(Default(tree, ClassKey(u"KelvoEnginer") + "\\MiscStatus\\1"), std::to_string(0x24511));
}

TEST(Registration, ClassesNotBuiltYetAreRegisteredToo) {
  com::RegistryTree tree;
  RegisterServer(tree, kServer);
  EXPECT_EQ(Default(tree, ClassKey(u"KelvoTextEdit") + "\\InprocServer32"), kServer.string());
  EXPECT_EQ(Default(tree, "HKEY_CLASSES_ROOT\\KLVCTL32.KelvoCopyFile\\CLSID"),
            TypeLibrary().FindClass(u"KelvoCopyFile")->clsid.ToString());
}

TEST(Registration, PropertyPagesAreClassesWithoutControlKeys) {
  com::RegistryTree tree;
  RegisterServer(tree, kServer);
  const std::string key = ClassKey(u"ppgTextEdit");
  EXPECT_EQ(Default(tree, key), "ppgTextEdit");
  EXPECT_EQ(Default(tree, key + "\\InprocServer32"), kServer.string());
  EXPECT_EQ(Default(tree, key + "\\ProgID"), "KLVCTL32.ppgTextEdit");
  EXPECT_FALSE(tree.HasKey(key + "\\Control"));
  EXPECT_FALSE(tree.HasKey(key + "\\MiscStatus"));
  EXPECT_FALSE(tree.HasKey(key + "\\ToolboxBitmap32"));
}

TEST(Registration, WritesTheTypeLibrary) {
  com::RegistryTree tree;
  RegisterServer(tree, kServer);
  const std::string key = "HKEY_CLASSES_ROOT\\TypeLib\\" + TypeLibrary().libid.ToString() + "\\1.0";
  EXPECT_EQ(Default(tree, key), "KelvoControls 32Bits");
  EXPECT_EQ(Default(tree, key + "\\0\\linux64"), kServer.string());
  EXPECT_EQ(Default(tree, key + "\\FLAGS"), "0");
  EXPECT_EQ(Default(tree, key + "\\HELPDIR"), "/opt/kelvo/system32");
}

TEST(Registration, RegisteringTwiceChangesNothing) {
  com::RegistryTree once;
  RegisterServer(once, kServer);
  com::RegistryTree twice = once;
  RegisterServer(twice, kServer);
  EXPECT_EQ(twice.Serialize(), once.Serialize());
}

TEST(Unregistration, LeavesSomebodyElsesRegistryAsItWas) {
  const com::RegistryTree before = SomebodyElsesRegistry();
  com::RegistryTree tree = before;
  RegisterServer(tree, kServer);
  UnregisterServer(tree);
  EXPECT_EQ(tree.Serialize(), before.Serialize());
}

TEST(Unregistration, LeavesAnEmptyRegistryEmpty) {
  com::RegistryTree tree;
  RegisterServer(tree, kServer);
  UnregisterServer(tree);
  EXPECT_TRUE(tree.Keys().empty());
}

TEST(Unregistration, KeepsOtherVersionsOfTheTypeLibrary) {
  com::RegistryTree tree;
  const std::string other = "HKEY_CLASSES_ROOT\\TypeLib\\" + TypeLibrary().libid.ToString() + "\\2.0";
  tree.SetValue(other, "", com::RegValue::Str("a later version"));
  RegisterServer(tree, kServer);
  UnregisterServer(tree);
  EXPECT_EQ(Default(tree, other), "a later version");
}

TEST(Unregistration, WithoutRegistrationTouchesNothing) {
  const com::RegistryTree before = SomebodyElsesRegistry();
  com::RegistryTree tree = before;
  UnregisterServer(tree);
  EXPECT_EQ(tree.Serialize(), before.Serialize());
}

}  // namespace
}  // namespace kelvo::klvctl32

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/registry.h"

namespace kelvo::com {
namespace {

using Strings = std::vector<std::string>;

RegistryTree Sample() {
  RegistryTree tree;
  tree.SetValue("HKEY_CLASSES_ROOT\\CLSID\\{1}\\InprocServer32", "", RegValue::Str("/opt/kelvo/KLVCTL32.OCX"));
  tree.SetValue("HKEY_CLASSES_ROOT\\CLSID\\{1}\\InprocServer32", "ThreadingModel", RegValue::Str("Apartment"));
  tree.SetValue("HKEY_CLASSES_ROOT\\CLSID\\{1}", "MiscStatus", RegValue::Dword(0x2031));
  tree.SetValue("HKEY_CLASSES_ROOT\\Odd", "quote\"back\\slash", RegValue::Str("line\nfeed\ttab\r\x01\x7F end"));
  tree.SetValue("HKEY_CLASSES_ROOT\\Odd", "utf8",
                RegValue::Str("Licen\xC3\xA7"
                              "a [x] = ;"));
  tree.CreateKey("HKEY_CURRENT_USER\\Empty Key\\With ] bracket");
  return tree;
}

TEST(RegistryTree, SerializeThenParseGivesTheSameTree) {
  const RegistryTree tree = Sample();
  const std::string text = tree.Serialize();
  EXPECT_EQ(RegistryTree::Parse(text), tree);
  EXPECT_EQ(RegistryTree::Parse(text).Serialize(), text);
}

TEST(RegistryTree, TextIsReadable) {
  RegistryTree tree;
  tree.SetValue("HKEY_CLASSES_ROOT\\A", "", RegValue::Str("say \"hi\""));
  tree.SetValue("HKEY_CLASSES_ROOT\\A", "Flags", RegValue::Dword(15));
  const std::string text = tree.Serialize();
  EXPECT_NE(text.find("\n[HKEY_CLASSES_ROOT]\n"), std::string::npos);
  EXPECT_NE(text.find("\n[HKEY_CLASSES_ROOT\\A]\n@=\"say \\\"hi\\\"\"\n\"Flags\"=dword:0000000F\n"), std::string::npos);
}

TEST(RegistryTree, ParsesCommentsBlanksLineEndsAndByteOrderMark) {
  const RegistryTree tree = RegistryTree::Parse(
      "\xEF\xBB\xBF; comment\r\n"
      "\r\n"
      "  [HKEY_CLASSES_ROOT\\Kelvo.Thing\\CLSID]  \r\n"
      "@ = \"{ABC}\"\r\n"
      "\t\"Count\"=DWORD:ff\r\n"
      "\"Esc\"=\"\\x41\\\\\\\"\"");
  EXPECT_EQ(tree.GetValue("hkey_classes_root\\kelvo.thing\\clsid", ""), RegValue::Str("{ABC}"));
  EXPECT_EQ(tree.GetValue("HKEY_CLASSES_ROOT\\Kelvo.Thing\\CLSID", "count"), RegValue::Dword(255));
  EXPECT_EQ(tree.GetValue("HKEY_CLASSES_ROOT\\Kelvo.Thing\\CLSID", "Esc"), RegValue::Str("A\\\""));
}

TEST(RegistryTree, ParentsExistAndKeysKeepFileOrder) {
  const RegistryTree tree = RegistryTree::Parse("[B\\C\\D]\n[A]\n[b\\x]\n[B\\C]\n\"v\"=\"1\"\n");
  EXPECT_EQ(tree.Keys(), (Strings{"B", "B\\C", "B\\C\\D", "A", "B\\x"}));
  EXPECT_EQ(tree.GetValue("B\\C", "v"), RegValue::Str("1"));
}

TEST(RegistryTree, LookupIgnoresCaseButKeepsTheCreatedCase) {
  RegistryTree tree;
  tree.SetValue("HKEY_CLASSES_ROOT\\Kelvo.Thing", "Name", RegValue::Str("1"));
  tree.SetValue("hkey_classes_root\\KELVO.THING", "NAME", RegValue::Str("2"));
  EXPECT_EQ(tree.Keys(), (Strings{"HKEY_CLASSES_ROOT", "HKEY_CLASSES_ROOT\\Kelvo.Thing"}));
  const auto values = tree.Values("HKEY_CLASSES_ROOT\\kelvo.thing");
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0].first, "Name");
  EXPECT_EQ(values[0].second, RegValue::Str("2"));
}

TEST(RegistryTree, SetValueReplacesInPlace) {
  RegistryTree tree;
  tree.SetValue("K", "a", RegValue::Str("1"));
  tree.SetValue("K", "b", RegValue::Str("2"));
  tree.SetValue("K", "A", RegValue::Dword(3));
  const auto values = tree.Values("K");
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values[0], (std::pair<std::string, RegValue>{"a", RegValue::Dword(3)}));
}

TEST(RegistryTree, DeleteKeyTakesSubkeysButNotNamesSharingAPrefix) {
  RegistryTree tree;
  tree.CreateKey("R\\A\\Deep\\Deeper");
  tree.CreateKey("R\\AB");
  tree.CreateKey("R\\A2");
  EXPECT_TRUE(tree.DeleteKey("r\\a"));
  EXPECT_EQ(tree.Keys(), (Strings{"R", "R\\AB", "R\\A2"}));
  EXPECT_FALSE(tree.DeleteKey("R\\A"));
  // Keys after the deleted ones are still found, and found again once recreated.
  EXPECT_TRUE(tree.HasKey("r\\a2"));
  tree.SetValue("R\\A\\Deep", "v", RegValue::Dword(1));
  EXPECT_EQ(tree.GetValue("R\\a\\DEEP", "V"), RegValue::Dword(1));
  EXPECT_EQ(tree.Keys(), (Strings{"R", "R\\AB", "R\\A2", "R\\A", "R\\A\\Deep"}));
}

TEST(RegistryTree, SubKeysAreImmediateChildrenInOrder) {
  RegistryTree tree;
  tree.CreateKey("R\\Z\\Inner");
  tree.CreateKey("R\\A");
  tree.CreateKey("RX");
  EXPECT_EQ(tree.SubKeys("r"), (Strings{"Z", "A"}));
  EXPECT_TRUE(tree.SubKeys("Missing").empty());
}

TEST(RegistryTree, ValuesAndDeletion) {
  RegistryTree tree;
  tree.SetValue("K", "x", RegValue::Str("1"));
  EXPECT_FALSE(tree.GetValue("K", "y"));
  EXPECT_FALSE(tree.GetValue("Nope", "x"));
  EXPECT_TRUE(tree.DeleteValue("K", "X"));
  EXPECT_FALSE(tree.DeleteValue("K", "x"));
  EXPECT_FALSE(tree.DeleteValue("Nope", "x"));
  EXPECT_TRUE(tree.HasKey("K"));
  EXPECT_TRUE(tree.Values("K").empty());
}

TEST(RegistryTree, RefusesKeyPathsThatCannotBeWritten) {
  RegistryTree tree;
  for (const char* bad : {"", "\\A", "A\\", "A\\\\B", "A\nB", "A\x7F"}) {
    EXPECT_THROW(tree.CreateKey(bad), RegistryError) << bad;
    EXPECT_THROW(tree.SetValue(bad, "v", RegValue::Dword(1)), RegistryError) << bad;
  }
  EXPECT_TRUE(tree.Keys().empty());
}

struct Corrupt {
  const char* text;
  int line;
  const char* expected;
};

class RegistryCorruption : public ::testing::TestWithParam<Corrupt> {};

TEST_P(RegistryCorruption, IsRefusedWithTheLineAndWhatWasExpected) {
  const Corrupt& c = GetParam();
  try {
    RegistryTree::Parse(c.text);
    FAIL() << "parsed: " << c.text;
  } catch (const RegistryError& e) {
    EXPECT_EQ(e.line(), c.line) << e.what();
    EXPECT_NE(std::string(e.what()).find("line " + std::to_string(c.line) + ": expected"), std::string::npos)
        << e.what();
    EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RegistryCorruption,
    ::testing::Values(Corrupt{"@=\"x\"\n", 1, "[key] line before"}, Corrupt{"[A\n", 1, "']'"},
                      Corrupt{"[A]\n\n[]\n", 3, "non-empty names"}, Corrupt{"[A\\\\B]", 1, "non-empty names"},
                      Corrupt{"[A]\nName=\"x\"\n", 2, "a value line"}, Corrupt{"[A]\n\"x\" \"y\"", 2, "'='"},
                      Corrupt{"[A]\n\"x\"=\"y", 2, "closing quote"}, Corrupt{"[A]\n\"x\"=\"\\q\"", 2, "an escape"},
                      Corrupt{"[A]\n\"x\"=\"\\x4\"", 2, "an escape"}, Corrupt{"[A]\n\"x\"=\"a\tb\"", 2, "control"},
                      Corrupt{"[A]\n\"x\"=42", 2, "dword:hhhhhhhh"}, Corrupt{"[A]\n\"x\"=dword:", 2, "hexadecimal"},
                      Corrupt{"[A]\n\"x\"=dword:123456789", 2, "hexadecimal"},
                      Corrupt{"[A]\n\"x\"=dword:1g", 2, "end of the line"},
                      Corrupt{"[A]\n@=\"1\" ; note", 2, "end of the line"},
                      Corrupt{"[A]\n\"v\"=\"1\"\n[B]\n[a]\n\"V\"=\"2\"", 5, "once in a key"},
                      Corrupt{"; note\r\n[A]\r\n\xEF\xBB\xBF@=\"x\"", 3, "a value line"}));

}  // namespace
}  // namespace kelvo::com

// The list file reader: line ends, the 8-bit code page, short files and base
// names that would reach outside the system directory.
#include <gtest/gtest.h>

#include "kcsetup/list_file.h"
#include "platform/com/error.h"

namespace kelvo::kcsetup {
namespace {

std::int32_t ErrorOf(std::string_view bytes) {
  try {
    ParseSetupList(bytes);
  } catch (const com::Error& e) {
    return e.number();
  }
  return 0;
}

TEST(SetupListFile, ReadsThreeLinesEndingInCrLfOrLf) {
  const SetupList list = ParseSetupList("KLVCTL32\r\nKelvoControls 32Bits\nVers\xE3o 1.01.0001\r\nextra\r\n");
  EXPECT_EQ(list.baseName, u"KLVCTL32");
  EXPECT_EQ(list.title, u"KelvoControls 32Bits");
  EXPECT_EQ(list.version, u"Versão 1.01.0001");
}

TEST(SetupListFile, FewerThanThreeLinesIsInputPastEnd) {
  EXPECT_EQ(ParseSetupList("A\r\n\r\n1.0").version, u"1.0");  // the last line needs no line end
  EXPECT_EQ(ErrorOf(""), 62);
  EXPECT_EQ(ErrorOf("KLVCTL32\r\nKelvoControls 32Bits\r\n"), 62);
}

TEST(SetupListFile, RefusesBaseNamesThatAreNoPlainFileName) {
  for (const std::string_view first : {"", "..", ".", "../../etc/KLVCTL32", "KL\tV", "/KLVCTL32"}) {
    EXPECT_EQ(ErrorOf(std::string(first) + "\r\nT\r\nV\r\n"), 52) << first;
  }
}

}  // namespace
}  // namespace kelvo::kcsetup

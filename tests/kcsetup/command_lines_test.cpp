// The command lines: exactly as built without blanks, one word per path with.
#include <gtest/gtest.h>

#include "kcsetup/command_lines.h"
#include "platform/win/launcher.h"

namespace kelvo::kcsetup {
namespace {

TEST(SetupCommandLines, WithoutBlanksAsBuilt) {
  EXPECT_EQ(RegisterCommand(u"/r/system32", u"/r/system32", u"KLVCTL32"), u"/r/system32/REGSVR32 /s /r/system32/KLVCTL32.OCX");
  EXPECT_EQ(UnregisterCommand(u"/s", u"/r/system32", u"KLVCTL32"), u"/s/REGSVR32 /s /u /r/system32/KLVCTL32.OCX");
  EXPECT_EQ(LicenceCommand(u"/s/Licença.txt"), u"NOTEPAD /s/Licença.txt");
}

TEST(SetupCommandLines, PathsWithBlanksStayOneWord) {
  const std::u16string line = UnregisterCommand(u"/My Downloads", u"/my root/system32", u"KLVCTL32");
  EXPECT_EQ(win::SplitCommandLine(line), (std::vector<std::u16string>{u"/My Downloads/REGSVR32", u"/s", u"/u",
                                                                       u"/my root/system32/KLVCTL32.OCX"}));
  EXPECT_EQ(win::SplitCommandLine(LicenceCommand(u"/My Downloads/Licença.txt")),
            (std::vector<std::u16string>{u"NOTEPAD", u"/My Downloads/Licença.txt"}));
}

}  // namespace
}  // namespace kelvo::kcsetup

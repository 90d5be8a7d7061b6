// The launcher: splitting command lines, finding programs as the original
// shell did, recording every start and running without a shell.

#include "platform/win/launcher.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "support/temp_dir.h"

namespace kelvo::win::test {
namespace {

using kelvo::testing::ScopedEnv;
using kelvo::testing::TempDir;

int ErrorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const com::Error& e) {
    return e.number();
  }
  return 0;
}

std::u16string U(const std::string& utf8) { return text::FromUtf8(utf8); }

TEST(SplitCommandLine, BlanksSeparateAndQuotesGroup) {
  using Words = std::vector<std::u16string>;
  EXPECT_EQ(SplitCommandLine(u" a\t\"b c\" d\"e f\"g \"\""), (Words{u"a", u"b c", u"de fg", u""}));
  for (const std::u16string& bad : {std::u16string(u"  "), std::u16string(u"a \"b"), std::u16string(u"a\0b", 3)}) {
    EXPECT_EQ(ErrorNumberOf([&] { SplitCommandLine(bad); }), com::err::kInvalidCall);
  }
}

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override { WindowSystem::Get().TakeShellRecords(); }
  std::string In(const std::string& name) const { return (dir.path() / name).string(); }
  // A shell script; by default it writes its arguments to args.txt, each followed by "|".
  std::string Script(const std::string& name, const std::string& body = "", bool executable = true) {
    std::ofstream(In(name)) << "#!/bin/sh\nprintf '%s|' \"$@\" > '" << In("args.txt") << "'\n" << body << "\n";
    if (executable) std::filesystem::permissions(In(name), std::filesystem::perms::owner_exec,
                                                 std::filesystem::perm_options::add);
    return In(name);
  }
  std::string ArgsWritten() const {
    std::stringstream s;
    s << std::ifstream(In("args.txt")).rdbuf();
    return s.str();
  }

  TempDir dir;
  ScopedEnv root{"KELVO_ROOT", In("root")};
};

TEST_F(LauncherTest, NameWithoutExtensionFindsTheExe) {
  const std::string tool = Script("REGSVR32.EXE");
  Script("REGSVR32");  // the .EXE wins
  EXPECT_EQ(ResolveCommandLine(U(In("REGSVR32") + " /s /x/K.OCX")), (std::vector<std::string>{tool, "/s", "/x/K.OCX"}));
  const std::string exe = Script("tool.exe");
  EXPECT_EQ(ResolveCommandLine(U(In("tool"))).front(), exe);
  std::filesystem::create_directories(In("root/system32"));
  const std::string system = Script("root/system32/REGSVR32.EXE");
  EXPECT_EQ(ResolveCommandLine(u"REGSVR32 /s").front(), system);
}

TEST_F(LauncherTest, WhatIsNotARunnableProgramIsRefused) {
  Script("setup.sh.EXE");  // a name with an extension gets no .EXE
  EXPECT_EQ(ErrorNumberOf([&] { ResolveCommandLine(U(In("setup.sh"))); }), com::err::kFileNotFound);
  std::filesystem::create_directories(In("sub.EXE"));
  EXPECT_EQ(ErrorNumberOf([&] { ResolveCommandLine(U(In("sub"))); }), com::err::kFileNotFound);
  Script("plain.EXE", "", false);
  EXPECT_EQ(ErrorNumberOf([&] { ResolveCommandLine(U(In("plain"))); }), com::err::kPermissionDenied);
}

TEST_F(LauncherTest, MissingProgramIsError53AndNothingIsRecorded) {
  const std::u16string program = U(In("REGSVR32"));
  try {
    Shell(program + u" /s x", ShowMode::Minimized);
    FAIL() << "no error";
  } catch (const com::Error& e) {
    EXPECT_EQ(e.number(), com::err::kFileNotFound);
    EXPECT_EQ(e.description(), u"File not found: " + program);
  }
  EXPECT_TRUE(WindowSystem::Get().TakeShellRecords().empty());
}

TEST_F(LauncherTest, ShellAndWaitPassesWordsWithoutAShellAndReturnsTheExitCode) {
  Script("REGSVR32.EXE", "exit 7");
  const std::u16string line = U(In("REGSVR32") + " /s \"a b\" $HOME;rm `x` *");
  EXPECT_EQ(ShellAndWait(line, ShowMode::Minimized), 7);
  EXPECT_EQ(ArgsWritten(), "/s|a b|$HOME;rm|`x`|*|");
  const auto records = WindowSystem::Get().TakeShellRecords();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].commandLine, line);
  EXPECT_EQ(records[0].mode, ShowMode::Minimized);
}

TEST_F(LauncherTest, ShellDoesNotWait) {
  const LaunchResult started = Shell(U(Script("quick", "exit 3")), ShowMode::Normal);
  int status = 0;
  ASSERT_EQ(::waitpid(started.pid, &status, 0), started.pid);
  EXPECT_EQ(WEXITSTATUS(status), 3);
}

TEST_F(LauncherTest, NotepadIsVisualThenEditorThenXdgOpen) {
  ScopedEnv visual("VISUAL", std::nullopt);
  ScopedEnv editor("EDITOR", Script("editor") + " --wait");
  EXPECT_EQ(ShellAndWait(U("notepad " + In("Licença.txt")), ShowMode::Maximized), 0);
  EXPECT_EQ(ArgsWritten(), "--wait|" + In("Licença.txt") + "|");
  {
    ScopedEnv v("VISUAL", Script("visual"));
    EXPECT_EQ(ResolveCommandLine(u"NOTEPAD f.txt").front(), In("visual"));
  }
  ScopedEnv noEditor("EDITOR", std::string("   "));
  ScopedEnv path("PATH", dir.path().string());
  EXPECT_EQ(ErrorNumberOf([] { ResolveCommandLine(u"NOTEPAD f.txt"); }), com::err::kFileNotFound);
  const std::string opener = Script("xdg-open");
  EXPECT_EQ(ResolveCommandLine(u"Notepad.exe f.txt"), (std::vector<std::string>{opener, "f.txt"}));
}

}  // namespace
}  // namespace kelvo::win::test

// The launcher: splitting command lines, finding programs as the original
// shell did, recording every start and running without a shell.

#include "platform/win/launcher.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "temp_dir.h"

namespace kelvo::win::test {
namespace {

using Words = std::vector<std::u16string>;

int ErrorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const com::Error& e) {
    return e.number();
  }
  return 0;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::u16string U(const std::string& utf8) { return text::FromUtf8(utf8); }

TEST(SplitCommandLine, BlanksSeparateAndQuotesGroup) {
  EXPECT_EQ(SplitCommandLine(u"  REGSVR32\t/s  /u x.OCX "), (Words{u"REGSVR32", u"/s", u"/u", u"x.OCX"}));
  EXPECT_EQ(SplitCommandLine(u"a \"b c\" d\"e f\"g \"\""), (Words{u"a", u"b c", u"de fg", u""}));
}

TEST(SplitCommandLine, BadCommandLinesAreRefused) {
  EXPECT_EQ(ErrorNumberOf([] { SplitCommandLine(u""); }), com::err::kInvalidCall);
  EXPECT_EQ(ErrorNumberOf([] { SplitCommandLine(u"   "); }), com::err::kInvalidCall);
  EXPECT_EQ(ErrorNumberOf([] { SplitCommandLine(u"a \"b"); }), com::err::kInvalidCall);
  EXPECT_EQ(ErrorNumberOf([] { SplitCommandLine(std::u16string(u"a\0b", 3)); }), com::err::kInvalidCall);
}

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override { WindowSystem::Get().TakeShellRecords(); }
  TempDir dir;
  ScopedEnv root{"KELVO_ROOT", (dir.path() / "root").string()};
};

TEST_F(LauncherTest, NameWithoutExtensionFindsTheExe) {
  const auto tool = dir.Write("REGSVR32.EXE", "#!/bin/sh\nexit 0\n", true);
  const auto argv = ResolveCommandLine(U(dir.path().string() + "/REGSVR32 /s /x/KLVCTL32.OCX"));
  EXPECT_EQ(argv, (std::vector<std::string>{tool.string(), "/s", "/x/KLVCTL32.OCX"}));
}

TEST_F(LauncherTest, LowerCaseExeIsFoundToo) {
  const auto tool = dir.Write("tool.exe", "#!/bin/sh\nexit 0\n", true);
  EXPECT_EQ(ResolveCommandLine(U(dir.path().string() + "/tool")).front(), tool.string());
}

TEST_F(LauncherTest, ExeWinsOverTheBareName) {
  dir.Write("tool", "#!/bin/sh\nexit 1\n", true);
  const auto exe = dir.Write("tool.EXE", "#!/bin/sh\nexit 0\n", true);
  EXPECT_EQ(ResolveCommandLine(U(dir.path().string() + "/tool")).front(), exe.string());
}

TEST_F(LauncherTest, ExecutableWithoutExeIsUsedAsItIs) {
  const auto script = dir.Write("run", "#!/bin/sh\nexit 0\n", true);
  EXPECT_EQ(ResolveCommandLine(U(script.string())).front(), script.string());
}

TEST_F(LauncherTest, NameWithAnExtensionGetsNoExe) {
  dir.Write("setup.sh.EXE", "#!/bin/sh\nexit 0\n", true);
  EXPECT_EQ(ErrorNumberOf([&] { ResolveCommandLine(U(dir.path().string() + "/setup.sh")); }),
            com::err::kFileNotFound);
}

TEST_F(LauncherTest, BareNameIsFoundInTheSystemDirectory) {
  std::filesystem::create_directories(dir.path() / "root" / "system32");
  const auto tool = dir.Write("root/system32/REGSVR32.EXE", "#!/bin/sh\nexit 0\n", true);
  EXPECT_EQ(ResolveCommandLine(u"REGSVR32 /s").front(), tool.string());
}

TEST_F(LauncherTest, MissingProgramIsError53WithItsName) {
  const std::u16string program = U(dir.path().string() + "/REGSVR32");
  try {
    Shell(program + u" /s x", ShowMode::Minimized);
    FAIL() << "no error";
  } catch (const com::Error& e) {
    EXPECT_EQ(e.number(), com::err::kFileNotFound);
    EXPECT_EQ(e.description(), u"File not found: " + program);
  }
  EXPECT_TRUE(WindowSystem::Get().TakeShellRecords().empty());  // nothing was started
}

TEST_F(LauncherTest, DirectoryIsNotAProgram) {
  std::filesystem::create_directories(dir.path() / "sub.EXE");
  EXPECT_EQ(ErrorNumberOf([&] { ResolveCommandLine(U(dir.path().string() + "/sub")); }), com::err::kFileNotFound);
}

TEST_F(LauncherTest, FileThatMayNotRunIsPermissionDenied) {
  dir.Write("REGSVR32.EXE", "#!/bin/sh\nexit 0\n", false);
  EXPECT_EQ(ErrorNumberOf([&] { ResolveCommandLine(U(dir.path().string() + "/REGSVR32")); }),
            com::err::kPermissionDenied);
}

TEST_F(LauncherTest, ShellAndWaitReturnsTheExitCodeAndRecordsTheStart) {
  const auto out = dir.path() / "args.txt";
  dir.Write("REGSVR32.EXE", "#!/bin/sh\nprintf '%s|' \"$@\" > '" + out.string() + "'\nexit 7\n", true);
  const std::u16string line = U(dir.path().string() + "/REGSVR32 /s /u \"a b\"");
  EXPECT_EQ(ShellAndWait(line, ShowMode::Minimized), 7);
  EXPECT_EQ(ReadFile(out), "/s|/u|a b|");
  const auto records = WindowSystem::Get().TakeShellRecords();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].commandLine, line);
  EXPECT_EQ(records[0].mode, ShowMode::Minimized);
}

TEST_F(LauncherTest, ArgumentsReachTheProgramWithoutAShell) {
  const auto out = dir.path() / "args.txt";
  dir.Write("echo.EXE", "#!/bin/sh\nprintf '%s|' \"$@\" > '" + out.string() + "'\n", true);
  EXPECT_EQ(ShellAndWait(U(dir.path().string() + "/echo $HOME;rm `x` *"), ShowMode::Normal), 0);
  EXPECT_EQ(ReadFile(out), "$HOME;rm|`x`|*|");
}

TEST_F(LauncherTest, ShellRecordsBeforeTheProgramRunsAndDoesNotWait) {
  dir.Write("quick.EXE", "#!/bin/sh\nexit 3\n", true);
  const LaunchResult started = Shell(U(dir.path().string() + "/quick"), ShowMode::Normal);
  ASSERT_GT(started.pid, 0);
  EXPECT_EQ(WindowSystem::Get().TakeShellRecords().size(), 1u);
  int status = 0;
  ASSERT_EQ(::waitpid(started.pid, &status, 0), started.pid);
  EXPECT_EQ(WEXITSTATUS(status), 3);
}

TEST_F(LauncherTest, NotepadIsTheEditorFromTheEnvironment) {
  const auto out = dir.path() / "edited.txt";
  const auto editor = dir.Write("editor", "#!/bin/sh\nprintf '%s|' \"$@\" > '" + out.string() + "'\n", true);
  ScopedEnv visual("VISUAL", std::nullopt);
  ScopedEnv env("EDITOR", editor.string() + " --wait");
  const std::u16string line = U("notepad " + dir.path().string() + "/Licença.txt");
  EXPECT_EQ(ShellAndWait(line, ShowMode::Maximized), 0);
  EXPECT_EQ(ReadFile(out), "--wait|" + dir.path().string() + "/Licença.txt|");
  const auto records = WindowSystem::Get().TakeShellRecords();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].commandLine, line);
  EXPECT_EQ(records[0].mode, ShowMode::Maximized);
}

TEST_F(LauncherTest, VisualComesBeforeEditorAndXdgOpenIsTheLastResort) {
  const auto visual = dir.Write("visual", "#!/bin/sh\n", true);
  const auto editor = dir.Write("editor", "#!/bin/sh\n", true);
  {
    ScopedEnv v("VISUAL", visual.string());
    ScopedEnv e("EDITOR", editor.string());
    EXPECT_EQ(ResolveCommandLine(u"NOTEPAD f.txt").front(), visual.string());
  }
  ScopedEnv v("VISUAL", std::string("   "));
  ScopedEnv e("EDITOR", std::nullopt);
  ScopedEnv path("PATH", dir.path().string());
  EXPECT_EQ(ErrorNumberOf([] { ResolveCommandLine(u"NOTEPAD f.txt"); }), com::err::kFileNotFound);
  const auto opener = dir.Write("xdg-open", "#!/bin/sh\n", true);
  EXPECT_EQ(ResolveCommandLine(u"Notepad.exe f.txt"), (std::vector<std::string>{opener.string(), "f.txt"}));
}

}  // namespace
}  // namespace kelvo::win::test

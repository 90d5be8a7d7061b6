// The tool run as a process on libraries that cannot be registered.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"
#include "tool_process.h"

namespace kelvo::regsvr32 {
namespace {

using harness::RunTool;
using ::testing::HasSubstr;
using ::testing::Not;

class ToolFailures : public ::testing::Test {
 protected:
  harness::ToolRun Run(const std::vector<std::string>& args) { return RunTool(args, root_.path()); }

  std::string WriteTextFile(const std::string& name) {
    const std::filesystem::path file = root_.path() / name;
    std::ofstream(file) << "This is not a library.\n";
    return file.string();
  }

  kelvo::testing::TempDir root_;
};

TEST_F(ToolFailures, NoArgumentsShowsUsage) {
  const auto run = Run({});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_THAT(run.errors, HasSubstr("Usage: REGSVR32 [/s] [/u] PATH..."));
  EXPECT_EQ(run.output, "");
}

TEST_F(ToolFailures, HelpIsAskedForNotAnError) {
  for (const char* flag : {"--help", "/?"}) {
    const auto run = Run({flag});
    EXPECT_EQ(run.exit_code, 0) << flag;
    EXPECT_THAT(run.output, HasSubstr("Usage: REGSVR32 [/s] [/u] PATH..."));
    EXPECT_EQ(run.errors, "");
  }
}

TEST_F(ToolFailures, UnknownFlagIsNamedAndNothingIsLoaded) {
  const auto run = Run({"/x", FIXTURE_FAILING});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_THAT(run.errors, HasSubstr("\"/x\""));
  EXPECT_THAT(run.errors, Not(HasSubstr("DllRegisterServer in")));
}

TEST_F(ToolFailures, MissingFileCannotBeLoaded) {
  const std::string missing = (root_.path() / "NOSUCH.OCX").string();
  const auto run = Run({missing});
  EXPECT_EQ(run.exit_code, 3);
  EXPECT_THAT(run.errors, HasSubstr("Could not load " + missing + ": "));
  EXPECT_THAT(run.errors, HasSubstr("No such file or directory"));
}

TEST_F(ToolFailures, TextFileCannotBeLoaded) {
  const std::string text = WriteTextFile("FAKE.OCX");
  const auto run = Run({"/s", text});
  EXPECT_EQ(run.exit_code, 3);
  EXPECT_THAT(run.errors, HasSubstr("Could not load " + text + ": "));
}

// Registering and unregistering a cut-off library fail cleanly instead of
// dying of a bus error in the system loader.
TEST_F(ToolFailures, TruncatedLibraryCannotBeLoaded) {
  const std::filesystem::path cut = root_.path() / "CUT.OCX";
  std::filesystem::copy_file(FIXTURE_GOOD, cut);
  std::filesystem::resize_file(cut, 5000);
  for (const char* flag : {"/s", "/u"}) {
    const auto run = Run({flag, cut.string()});
    EXPECT_EQ(run.exit_code, 3);
    EXPECT_THAT(run.errors, HasSubstr("Could not load " + cut.string() + ": truncated"));
  }
}

// The server only returns a code; the tool says what was wrong with the registry.
TEST_F(ToolFailures, ADamagedRegistryIsNamedWithItsCause) {
  std::ofstream(root_.path() / "registry") << "this is not a registry\n";
  const auto run = Run({FIXTURE_GOOD});
  EXPECT_EQ(run.exit_code, 5);
  EXPECT_THAT(run.errors, HasSubstr("failed with code 0x80040201: " + (root_.path() / "registry").string() + ": line 1:"));
}

TEST_F(ToolFailures, LibraryWithoutEntryPoints) {
  const auto run = Run({FIXTURE_BARE});
  EXPECT_EQ(run.exit_code, 4);
  EXPECT_THAT(run.errors, HasSubstr(FIXTURE_BARE));
  EXPECT_THAT(run.errors, HasSubstr("no entry point DllRegisterServer"));
}

// The library only reaches a DllRegisterServer through its dependency, a
// server whose entry point fails: calling it would act for the wrong server.
TEST_F(ToolFailures, EntryPointOfADependencyDoesNotCount) {
  const auto run = Run({FIXTURE_BORROWING});
  EXPECT_EQ(run.exit_code, 4);
  EXPECT_THAT(run.errors, Not(HasSubstr("failed with code")));
}

TEST_F(ToolFailures, FailingEntryPointReportsTheCodeInHex) {
  const auto run = Run({FIXTURE_FAILING});
  EXPECT_EQ(run.exit_code, 5);
  EXPECT_THAT(run.errors, HasSubstr(std::string("DllRegisterServer in ") + FIXTURE_FAILING +
                                    " failed with code 0x80004005."));
}

TEST_F(ToolFailures, FailingUnregisterReportsItsCode) {
  const auto run = Run({"-U", FIXTURE_FAILING});
  EXPECT_EQ(run.exit_code, 5);
  EXPECT_THAT(run.errors, HasSubstr("DllUnregisterServer in"));
  EXPECT_THAT(run.errors, HasSubstr("0x80040201"));
}

TEST_F(ToolFailures, EscapingExceptionIsAFailureNotACrash) {
  const auto run = Run({FIXTURE_THROWING});
  EXPECT_EQ(run.exit_code, 5);
  EXPECT_THAT(run.errors, HasSubstr("registry file is damaged"));
}

TEST_F(ToolFailures, EscapingExceptionOfUnknownType) {
  const auto run = Run({"/u", FIXTURE_THROWING});
  EXPECT_EQ(run.exit_code, 5);
  EXPECT_THAT(run.errors, HasSubstr("DllUnregisterServer in"));
}

TEST_F(ToolFailures, SilentModeStillReportsFailures) {
  const auto run = Run({"/s", FIXTURE_FAILING});
  EXPECT_EQ(run.exit_code, 5);
  EXPECT_THAT(run.errors, HasSubstr("0x80004005"));
  EXPECT_EQ(run.output, "");
}

TEST_F(ToolFailures, EveryFileIsProcessedAndTheFirstFailureDecides) {
  const std::string missing = (root_.path() / "NOSUCH.OCX").string();
  const auto run = Run({FIXTURE_FAILING, missing, FIXTURE_BARE});
  EXPECT_EQ(run.exit_code, 5);
  EXPECT_THAT(run.errors, HasSubstr("0x80004005"));
  EXPECT_THAT(run.errors, HasSubstr("Could not load " + missing));
  EXPECT_THAT(run.errors, HasSubstr("no entry point DllRegisterServer"));
}

}  // namespace
}  // namespace kelvo::regsvr32

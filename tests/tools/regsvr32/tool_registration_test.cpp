// The tool run as a process on a server that writes the registry.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fixtures/fixture_keys.h"
#include "platform/com/registry.h"
#include "support/temp_dir.h"
#include "tool_process.h"

namespace kelvo::regsvr32 {
namespace {

using fixtures::kGoodServerKey;
using harness::RunTool;
using ::testing::HasSubstr;

const std::string kGood = FIXTURE_GOOD;

class ToolRegistration : public ::testing::Test {
 protected:
  harness::ToolRun Run(const std::vector<std::string>& args) { return RunTool(args, root_.path()); }

  bool Registered() const { return com::Registry(root_.path() / "registry").Read().HasKey(kGoodServerKey); }

  kelvo::testing::TempDir root_;
};

TEST_F(ToolRegistration, RegisteringWritesTheServersKey) {
  const auto run = Run({kGood});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.errors, "DllRegisterServer in " + kGood + " succeeded.\n");
  EXPECT_EQ(run.output, "");
  EXPECT_TRUE(Registered());
}

TEST_F(ToolRegistration, SilentSuccessSaysNothing) {
  const auto run = Run({"/S", kGood});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.errors, "");
  EXPECT_TRUE(Registered());
}

TEST_F(ToolRegistration, UnregisteringRemovesTheKey) {
  ASSERT_EQ(Run({"/s", kGood}).exit_code, 0);
  const auto run = Run({"/u", kGood});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.errors, "DllUnregisterServer in " + kGood + " succeeded.\n");
  EXPECT_FALSE(Registered());
}

// The server answers S_FALSE when there is nothing to remove: still a success.
TEST_F(ToolRegistration, UnregisteringAServerNotRegisteredSucceeds) {
  const auto run = Run({"/s", "/u", kGood});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.errors, "");
  EXPECT_FALSE(Registered());
}

TEST_F(ToolRegistration, AFailureDoesNotStopTheFilesAfterIt) {
  const auto run = Run({FIXTURE_FAILING, kGood});
  EXPECT_EQ(run.exit_code, 5);
  EXPECT_THAT(run.errors, HasSubstr("0x80004005"));
  EXPECT_THAT(run.errors, HasSubstr("DllRegisterServer in " + kGood + " succeeded."));
  EXPECT_TRUE(Registered());
}

TEST_F(ToolRegistration, SilentRunOverSeveralFilesReportsOnlyTheFailure) {
  const auto run = Run({"-s", kGood, FIXTURE_BARE, kGood});
  EXPECT_EQ(run.exit_code, 4);
  EXPECT_EQ(run.errors, std::string(FIXTURE_BARE) + " was loaded, but it has no entry point DllRegisterServer.\n");
  EXPECT_TRUE(Registered());
}

// Without a directory, the name is the file in the current directory, not a
// library somewhere on the loader's search path.
TEST_F(ToolRegistration, BareFileNameIsTakenFromTheCurrentDirectory) {
  const std::filesystem::path good(kGood);
  const auto run = RunTool({good.filename().string()}, root_.path(), good.parent_path());
  EXPECT_EQ(run.exit_code, 0) << run.errors;
  EXPECT_TRUE(Registered());
}

}  // namespace
}  // namespace kelvo::regsvr32

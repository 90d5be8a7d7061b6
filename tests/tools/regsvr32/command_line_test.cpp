#include "tools/regsvr32/command_line.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace kelvo::regsvr32 {
namespace {

CommandLine Parse(std::initializer_list<std::string_view> args) {
  return ParseCommandLine(std::span<const std::string_view>(args.begin(), args.size()));
}

TEST(CommandLine, PathsAloneRegisterLoudly) {
  const CommandLine line = Parse({"/opt/KLVCTL32.OCX", "other.ocx"});
  EXPECT_FALSE(line.silent);
  EXPECT_FALSE(line.unregister);
  EXPECT_EQ(line.paths, (std::vector<std::string>{"/opt/KLVCTL32.OCX", "other.ocx"}));
}

TEST(CommandLine, FlagsInAnyCaseAndEitherForm) {
  for (const auto& [silent, unregister] : {std::pair{"/s", "/u"}, {"/S", "/U"}, {"-s", "-u"}, {"-S", "-U"}}) {
    const CommandLine line = Parse({silent, unregister, "a.ocx"});
    EXPECT_TRUE(line.silent) << silent;
    EXPECT_TRUE(line.unregister) << unregister;
    EXPECT_EQ(line.paths, std::vector<std::string>{"a.ocx"});
  }
}

TEST(CommandLine, FlagsMayFollowThePaths) {
  const CommandLine line = Parse({"a.ocx", "/u", "b.ocx", "-S"});
  EXPECT_TRUE(line.silent);
  EXPECT_TRUE(line.unregister);
  EXPECT_EQ(line.paths, (std::vector<std::string>{"a.ocx", "b.ocx"}));
}

TEST(CommandLine, AbsolutePathsAreNotFlags) {
  const CommandLine line = Parse({"/s", "/u.ocx", "/usr/lib/x.ocx", "/./u"});
  EXPECT_TRUE(line.silent);
  EXPECT_FALSE(line.unregister);
  EXPECT_EQ(line.paths, (std::vector<std::string>{"/u.ocx", "/usr/lib/x.ocx", "/./u"}));
}

TEST(CommandLine, UnknownFlagsAreRefusedByName) {
  for (const std::string_view flag : {"/x", "-x", "/i", "-su", "--silent"}) {
    try {
      Parse({flag, "a.ocx"});
      ADD_FAILURE() << flag << " was accepted";
    } catch (const CommandLineError& error) {
      EXPECT_NE(std::string(error.what()).find(flag), std::string::npos) << error.what();
    }
  }
}

TEST(CommandLine, ALoneDashIsAPath) {
  EXPECT_EQ(Parse({"-"}).paths, std::vector<std::string>{"-"});
}

TEST(CommandLine, NoPathIsRefused) {
  EXPECT_THROW(Parse({}), CommandLineError);
  EXPECT_THROW(Parse({"/s", "/u"}), CommandLineError);
}

// dlopen("") hands back the running program itself, so an empty name must
// never reach the loader.
TEST(CommandLine, AnEmptyPathIsRefused) {
  EXPECT_THROW(Parse({"a.ocx", ""}), CommandLineError);
}

}  // namespace
}  // namespace kelvo::regsvr32

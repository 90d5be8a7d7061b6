// The setup program's copies and deletions in the system directory.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "kcsetup/setup_files.h"
#include "support/temp_dir.h"

namespace kelvo::kcsetup {
namespace {

namespace fs = std::filesystem;

void Write(const fs::path& file, const std::string& content) { std::ofstream(file, std::ios::binary) << content; }

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> Names(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
  return names;
}

class SetupFiles : public ::testing::Test {
 protected:
  kelvo::testing::TempDir temp_;
  fs::path source_ = temp_.path() / "setup";
  fs::path system_ = temp_.path() / "system32";
  void SetUp() override {
    fs::create_directories(source_);
    fs::create_directories(system_);
  }
};

TEST_F(SetupFiles, CopyReplacesTheOldFileWholeAndLeavesNothingElse) {
  Write(source_ / "KLVCTL32.OCX", std::string(200000, 'n'));
  Write(system_ / "KLVCTL32.OCX", "old");
  CopyReplacing(source_ / "KLVCTL32.OCX", system_ / "KLVCTL32.OCX");
  EXPECT_EQ(Read(system_ / "KLVCTL32.OCX"), std::string(200000, 'n'));
  EXPECT_EQ(Names(system_), std::set<std::string>{"KLVCTL32.OCX"});
}

TEST_F(SetupFiles, FailedCopyKeepsTheOldLibraryAndLeavesNoPartialFile) {
  fs::create_directories(source_ / "KLVCTL32.OCX");  // opens, but cannot be read
  Write(system_ / "KLVCTL32.OCX", "old");
  EXPECT_ANY_THROW(CopyReplacing(source_ / "KLVCTL32.OCX", system_ / "KLVCTL32.OCX"));
  EXPECT_EQ(Read(system_ / "KLVCTL32.OCX"), "old");
  EXPECT_EQ(Names(system_), std::set<std::string>{"KLVCTL32.OCX"});
}

TEST_F(SetupFiles, DeletesEveryExtensionOfTheBaseNameOnly) {
  for (const char* name : {"KLVCTL32.OCX", "KLVCTL32.OCA", "klvctl32.tmp", "KLVCTL32", "KLVCTL321.OCX", "OTHER.OCX"}) {
    Write(system_ / name, "x");
  }
  fs::create_directories(system_ / "KLVCTL32.DIR");
  DeleteAllNamed(system_, u"KLVCTL32");
  EXPECT_EQ(Names(system_), (std::set<std::string>{"KLVCTL32", "KLVCTL32.DIR", "KLVCTL321.OCX", "OTHER.OCX"}));
}

}  // namespace
}  // namespace kelvo::kcsetup

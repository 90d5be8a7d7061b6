// Writing files by the platform's one rule, with each step made to fail: the
// old file is intact every time, and a device is written, never removed.
#include "platform/base/file_write.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <fstream>

#include "support/temp_dir.h"

namespace kelvo::file {
namespace {

class FileWrite : public ::testing::Test {
 protected:
  void SetUp() override { std::ofstream(old_) << "old"; }

  // Fails the write with the error, and checks that nothing but the old file is left.
  void ExpectFailureKeepsOld(const SystemCalls& calls, const std::string& reason) {
    try {
      WriteFile(old_, "new contents", calls);
      ADD_FAILURE() << "no error";
    } catch (const WriteError& e) {
      EXPECT_EQ(e.what(), old_.string() + ": cannot write: " + reason);
    }
    EXPECT_EQ(kelvo::testing::ReadFileBytes(old_), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1) << "a temporary file is left";
  }

  kelvo::testing::TempDir dir_;
  std::filesystem::path old_ = dir_.path() / "form.frm";
};

TEST_F(FileWrite, ReplacesARegularFileAndKeepsItsMode) {
  std::filesystem::permissions(old_, std::filesystem::perms(0640));
  WriteFile(old_, "new");
  EXPECT_EQ(kelvo::testing::ReadFileBytes(old_), "new");
  EXPECT_EQ(std::filesystem::status(old_).permissions(), std::filesystem::perms(0640));
  WriteFile(dir_.path() / "fresh", "made");
  EXPECT_EQ(kelvo::testing::ReadFileBytes(dir_.path() / "fresh"), "made");
}

TEST_F(FileWrite, AFullDeviceIsReportedAndNeverRemoved) {
  const auto device = dir_.path() / "full";
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) GTEST_SKIP() << "mknod needs root";
  EXPECT_THROW(WriteFile(device, "picture"), WriteError);
  EXPECT_TRUE(std::filesystem::is_character_file(device));
}

TEST_F(FileWrite, AFileSizeLimitKeepsTheOldFile) {
  rlimit old_limit{};
  ::getrlimit(RLIMIT_FSIZE, &old_limit);
  rlimit small = old_limit;
  small.rlim_cur = 4;
  ::setrlimit(RLIMIT_FSIZE, &small);
  ExpectFailureKeepsOld(RealSystemCalls(), "File too large");
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
}

// Root writes into a read-only folder anyway, so the folder's refusal is staged.
TEST_F(FileWrite, AReadOnlyFolderKeepsTheOldFile) {
  SystemCalls calls = RealSystemCalls();
  calls.open = [](const char*, int, mode_t) {
    errno = EROFS;
    return -1;
  };
  ExpectFailureKeepsOld(calls, "Read-only file system");
}

TEST_F(FileWrite, AFailedRenameKeepsTheOldFile) {
  SystemCalls calls = RealSystemCalls();
  calls.rename = [](const char*, const char*) {
    errno = EBUSY;
    return -1;
  };
  ExpectFailureKeepsOld(calls, "Device or resource busy");
}

TEST_F(FileWrite, AFailedFlushKeepsTheOldFile) {
  SystemCalls calls = RealSystemCalls();
  calls.fsync = [](int) {
    errno = EIO;
    return -1;
  };
  ExpectFailureKeepsOld(calls, "Input/output error");
}

}  // namespace
}  // namespace kelvo::file

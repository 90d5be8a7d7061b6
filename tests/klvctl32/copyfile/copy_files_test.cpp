// The copier on real files where the scripts cannot reach: failures of the
// file system (each one Error with the runtime's number, the source
// untouched), a cancel inside a run of blocks, a Done handler reading the
// target, the volume counter's range, and a sparse source over 4 GiB.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "hosted.h"
#include "klvctl32/copyfile/copyfile.h"
#include "platform/base/text.h"
#include "support/temp_dir.h"

namespace kelvo::klvctl32 {
namespace {

namespace fs = std::filesystem;

std::string Pattern(std::size_t length) {
  std::string s(length, '\0');
  for (std::size_t i = 0; i < length; ++i) s[i] = static_cast<char>('a' + (i * 7 + i / 251) % 26);
  return s;
}

void WriteFile(const fs::path& path, const std::string& content) { std::ofstream(path, std::ios::binary) << content; }

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class CopyFiles : public ::testing::Test {
 protected:
  // Copies and answers the events raised, in order.
  std::string Copy(const fs::path& source, const fs::path& target, std::int16_t blockSize = KelvoCopyFile::Block_10K) {
    h.Let(u"BlockSize", com::Variant::Integer(blockSize));
    h.Let(u"SourceFile", com::Variant::String(text::FromUtf8(source.string())));
    h.Let(u"NewFile", com::Variant::String(text::FromUtf8(target.string())));
    h.site.TakeEvents();
    h.control->Invoke(u"BeginCopyFile", com::InvokeKind::Method, {});
    return h.site.TakeEvents();
  }
  fs::path Source(std::size_t length) {
    const fs::path path = dir.path() / "source.bin";
    WriteFile(path, Pattern(length));
    return path;
  }
  void ExpectSourceUntouched(const fs::path& path, std::size_t length) { EXPECT_EQ(ReadFile(path), Pattern(length)); }

  kelvo::testing::TempDir dir;
  testing::Hosted<KelvoCopyFile> h{200, 20, 15};
};

TEST_F(CopyFiles, ReadOnlySourceCopies) {
  const fs::path source = Source(25000);
  fs::permissions(source, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(Copy(source, dir.path() / "copy"), "Progress(40, 0) Progress(81, 0) Progress(100, 0) Done()");
  EXPECT_EQ(ReadFile(dir.path() / "copy"), Pattern(25000));
}

// Root passes permission bits, so for root the folder is made immutable
// instead; where neither holds, the case cannot be made here.
TEST_F(CopyFiles, UnwritableTargetFolderIsPermissionDenied) {
  const fs::path source = Source(5000);
  const fs::path locked = dir.path() / "locked";
  fs::create_directory(locked);
  int flags = 0;
  const int fd = ::open(locked.c_str(), O_RDONLY | O_DIRECTORY);
  const bool root = ::geteuid() == 0;
  if (root) {
    const int immutable = FS_IMMUTABLE_FL;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0 || ::ioctl(fd, FS_IOC_SETFLAGS, &immutable) != 0) {
      ::close(fd);
      GTEST_SKIP() << "running as root on a file system without the immutable attribute";
    }
  } else {
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  }
  const std::string events = Copy(source, locked / "copy");
  if (root) ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
  ::close(fd);
  fs::permissions(locked, fs::perms::owner_all);
  EXPECT_EQ(events, "Error(70)");
  EXPECT_FALSE(fs::exists(locked / "copy"));
  ExpectSourceUntouched(source, 5000);
}

// A full-device node of the test's own, written in place and left a device.
TEST_F(CopyFiles, FullDeviceIsDiskFull) {
  const fs::path full = dir.path() / "full";
  if (::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) GTEST_SKIP() << "cannot make a device node here";
  const fs::path source = Source(25000);
  EXPECT_EQ(Copy(source, full), "Error(61)");
  EXPECT_TRUE(fs::is_character_file(full));
  ExpectSourceUntouched(source, 25000);
}

// The target keeps exactly the blocks reported before the limit was reached.
TEST_F(CopyFiles, FileSizeLimitMidCopyIsDiskFull) {
  const fs::path source = Source(25000);
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = old;
  limit.rlim_cur = 15000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
  const std::string events = Copy(source, dir.path() / "copy");
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(events, "Progress(40, 0) Error(61)");
  EXPECT_EQ(ReadFile(dir.path() / "copy"), Pattern(10240));
  ExpectSourceUntouched(source, 25000);
}

TEST_F(CopyFiles, CancelInsideARunCutsTheTargetBackToTheReportedBlocks) {
  const fs::path source = Source(25000);
  int seen = 0;
  h.site.onEvent = [&](std::u16string_view name, std::span<com::Variant> args) {
    if (name == u"Progress" && ++seen == 3) args[1] = com::Variant::Integer(-1);
  };
  EXPECT_EQ(Copy(source, dir.path() / "copy", KelvoCopyFile::Block_1K),
            "Progress(4, 0) Progress(8, 0) Progress(12, 0)");
  EXPECT_EQ(ReadFile(dir.path() / "copy"), Pattern(3072));
}

TEST_F(CopyFiles, DoneHandlerSeesTheWholeTarget) {
  const fs::path source = Source(3'000'000);
  std::string seenAtDone;
  h.site.onEvent = [&](std::u16string_view name, std::span<com::Variant>) {
    if (name == u"Done") seenAtDone = ReadFile(dir.path() / "copy");
  };
  Copy(source, dir.path() / "copy", KelvoCopyFile::Block_5K);
  EXPECT_EQ(seenAtDone, Pattern(3'000'000));
}

// Volume 32767 is the last: the next one is an overflow, after the volumes
// before it were written.
TEST_F(CopyFiles, VolumeCounterPast32767IsOverflow) {
  const fs::path source = Source(32768 * 1024 + 1);
  h.Let(u"VolumeSize", com::Variant::Long(0));
  const std::string events = Copy(source, "@" + (dir.path() / "v").string(), KelvoCopyFile::Block_1K);
  EXPECT_TRUE(events.ends_with("Progress(99, 0) Error(6)")) << events.substr(events.size() - 60);
  EXPECT_EQ(fs::file_size(dir.path() / "v.32767"), 1024u);
}

// Lengths are 64-bit: holes stay holes, the size and the data around them
// come through, and the percentage reaches 100.
TEST_F(CopyFiles, SparseSourceOver4GiB) {
  const fs::path source = dir.path() / "sparse";
  constexpr std::int64_t kLength = (std::int64_t{9} << 29) + 12345;  // 4.5 GiB and a bit
  const int fd = ::open(source.c_str(), O_CREAT | O_WRONLY, 0644);
  ASSERT_GE(fd, 0);
  const bool sparse = ::ftruncate(fd, kLength) == 0 && ::lseek(fd, 0, SEEK_HOLE) == 0;
  const std::int64_t marks[] = {0, std::int64_t{3} << 30, kLength - 6};
  for (std::int64_t at : marks) ASSERT_EQ(::pwrite(fd, "marked", 6, at), 6);
  ::close(fd);
  if (!sparse) GTEST_SKIP() << "the file system here keeps no holes";
  const std::string events = Copy(source, dir.path() / "copy");
  EXPECT_TRUE(events.ends_with("Progress(100, 0) Done()"));
  const fs::path copy = dir.path() / "copy";
  ASSERT_EQ(static_cast<std::int64_t>(fs::file_size(copy)), kLength);
  std::ifstream in(copy, std::ios::binary);
  for (std::int64_t at : marks) {
    std::string got(8, '\0');
    in.seekg(at - 1 < 0 ? 0 : at - 1);
    in.read(got.data(), 8);
    EXPECT_NE(got.find("marked"), std::string::npos) << at;
  }
}

}  // namespace
}  // namespace kelvo::klvctl32

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "platform/base/environment.h"
#include "platform/com/registry.h"
#include "support/temp_dir.h"

namespace kelvo::com {
namespace {

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

class RegistryFile : public ::testing::Test {
 protected:
  kelvo::testing::TempRoot root_;
  std::filesystem::path file_ = root_.dir() / "nested" / "dir" / "registry";
  Registry registry_{file_};
};

TEST_F(RegistryFile, MissingFileIsAnEmptyRegistry) {
  EXPECT_TRUE(registry_.Read().Keys().empty());
  EXPECT_FALSE(std::filesystem::exists(file_));
}

TEST_F(RegistryFile, UpdateCreatesDirectoriesAndReadsBack) {
  registry_.Update([](RegistryTree& t) { t.SetValue("HKEY_CLASSES_ROOT\\A", "", RegValue::Str("x")); });
  EXPECT_EQ(registry_.Read().GetValue("HKEY_CLASSES_ROOT\\A", ""), RegValue::Str("x"));
  EXPECT_TRUE(std::filesystem::exists(file_.string() + ".lock"));
  for (const auto& entry : std::filesystem::directory_iterator(file_.parent_path())) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp."), std::string::npos) << entry.path();
  }
}

TEST_F(RegistryFile, UnknownKeysAndValuesSurviveAnUpdate) {
  WriteBytes(file_,
             "[HKEY_LOCAL_MACHINE\\Software\\Someone Else]\n\"Setting\"=dword:00000007\n"
             "[HKEY_CLASSES_ROOT\\Mine]\n\"Theirs\"=\"keep me\"\n");
  registry_.Update([](RegistryTree& t) { t.SetValue("HKEY_CLASSES_ROOT\\Mine", "Ours", RegValue::Str("new")); });
  const RegistryTree tree = registry_.Read();
  EXPECT_EQ(tree.GetValue("HKEY_LOCAL_MACHINE\\Software\\Someone Else", "Setting"), RegValue::Dword(7));
  EXPECT_EQ(tree.GetValue("HKEY_CLASSES_ROOT\\Mine", "Theirs"), RegValue::Str("keep me"));
  EXPECT_EQ(tree.GetValue("HKEY_CLASSES_ROOT\\Mine", "Ours"), RegValue::Str("new"));
  EXPECT_EQ(tree.Keys().front(), "HKEY_LOCAL_MACHINE");
}

TEST_F(RegistryFile, CorruptFileIsRefusedAndLeftByteForByte) {
  using namespace std::string_literals;
  const std::string bytes = "[HKEY_CLASSES_ROOT\\A]\n@=\"ok\"\n\"broken\"=\"no end\n\x00\xFF"s;
  WriteBytes(file_, bytes);
  try {
    registry_.Read();
    FAIL() << "a corrupt file was read";
  } catch (const RegistryError& e) {
    EXPECT_EQ(e.line(), 3);
    EXPECT_NE(std::string(e.what()).find(file_.string() + ": line 3: expected a closing quote"), std::string::npos)
        << e.what();
  }
  bool changed = false;
  EXPECT_THROW(registry_.Update([&](RegistryTree&) { changed = true; }), RegistryError);
  EXPECT_FALSE(changed);
  EXPECT_EQ(kelvo::testing::ReadFileBytes(file_), bytes);
}

TEST_F(RegistryFile, AChangeThatThrowsWritesNothing) {
  registry_.Update([](RegistryTree& t) { t.CreateKey("A"); });
  const std::string before = kelvo::testing::ReadFileBytes(file_);
  EXPECT_THROW(registry_.Update([](RegistryTree& t) {
    t.CreateKey("B");
    throw std::runtime_error("changed my mind");
  }),
               std::runtime_error);
  EXPECT_EQ(kelvo::testing::ReadFileBytes(file_), before);
}

TEST_F(RegistryFile, AnUnchangedTreeIsNotRewritten) {
  const std::string handWritten = "; my notes\n[A]\n@=\"1\"\n";
  WriteBytes(file_, handWritten);
  registry_.Update([](RegistryTree& t) { t.SetValue("A", "", RegValue::Str("1")); });
  EXPECT_EQ(kelvo::testing::ReadFileBytes(file_), handWritten);
}

// The shared snapshot follows every replacement of the file: this process's
// updates (even two within one tick of the file system's clock) and another
// writer's, and a file that turns unreadable is refused, not served stale.
TEST_F(RegistryFile, SnapshotFollowsEveryChangeOfTheFile) {
  EXPECT_TRUE(registry_.Snapshot()->Keys().empty());
  for (const char* value : {"1", "2"}) {
    registry_.Update([&](RegistryTree& t) { t.SetValue("A", "", RegValue::Str(value)); });
    EXPECT_EQ(registry_.Snapshot()->GetValue("A", ""), RegValue::Str(value));
  }
  const auto kept = registry_.Snapshot();
  EXPECT_EQ(registry_.Snapshot(), kept);
  const std::filesystem::path other = file_.string() + ".other";
  WriteBytes(other, "[B]\n");
  std::filesystem::rename(other, file_);
  EXPECT_TRUE(registry_.Snapshot()->HasKey("B"));
  WriteBytes(other, "[B\n");
  std::filesystem::rename(other, file_);
  EXPECT_THROW(registry_.Snapshot(), RegistryError);
}

TEST_F(RegistryFile, SystemRegistryLivesUnderTheRoot) {
  EXPECT_EQ(SystemRegistry().file(), root_.dir() / "registry");
  EXPECT_EQ(SystemRegistry().file(), env::RegistryFile());
}

// Forks a writer that adds `count` keys named after `tag`, one Update each,
// through its own Registry object. Returns the child's pid.
pid_t StartWriter(const std::filesystem::path& file, const std::string& tag, int count) {
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  int status = 0;
  try {
    Registry own(file);
    for (int i = 0; i < count; ++i) {
      own.Update([&](RegistryTree& t) { t.SetValue("Root\\" + tag + std::to_string(i), "n", RegValue::Dword(1)); });
    }
  } catch (...) {
    status = 1;
  }
  ::_exit(status);
}

TEST_F(RegistryFile, ConcurrentWritersLoseNothingAndReadersSeeWholeFiles) {
  constexpr int kCount = 40;
  registry_.Update([](RegistryTree& t) { t.CreateKey("Root"); });
  const pid_t a = StartWriter(file_, "a", kCount);
  const pid_t b = StartWriter(file_, "b", kCount);
  int reads = 0;
  int finished = 0;
  while (finished < 2) {
    EXPECT_NO_THROW(registry_.Read()) << "read " << reads;
    ++reads;
    int status = 0;
    const pid_t done = ::waitpid(-1, &status, WNOHANG);
    if (done == a || done == b) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
      ++finished;
    }
  }
  const RegistryTree tree = registry_.Read();
  EXPECT_EQ(tree.SubKeys("Root").size(), 2u * kCount);
  for (int i = 0; i < kCount; ++i) {
    EXPECT_TRUE(tree.HasKey("Root\\a" + std::to_string(i))) << i;
    EXPECT_TRUE(tree.HasKey("Root\\b" + std::to_string(i))) << i;
  }
}

}  // namespace
}  // namespace kelvo::com

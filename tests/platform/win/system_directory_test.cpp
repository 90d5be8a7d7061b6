// kernel32's system-directory query: the path under $KELVO_ROOT, written
// only when it fits, and nothing created on disk.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/win/user32.h"
#include "temp_dir.h"

namespace kelvo::win::test {
namespace {

TEST(GetSystemDirectoryA, WritesThePathWhenItFits) {
  TempDir root;
  ScopedEnv env("KELVO_ROOT", root.path().string());
  const std::string expected = (root.path() / "system32").string();
  char buffer[512];
  EXPECT_EQ(kernel32::GetSystemDirectoryA(buffer, sizeof buffer), expected.size());
  EXPECT_STREQ(buffer, expected.c_str());
  EXPECT_FALSE(std::filesystem::exists(root.path() / "system32"));
}

TEST(GetSystemDirectoryA, TooSmallWritesNothingAndAsksForTheSize) {
  ScopedEnv env("KELVO_ROOT", std::string("/kelvo"));
  const std::string path = "/kelvo/system32";
  std::string buffer(path.size(), '#');
  EXPECT_EQ(kernel32::GetSystemDirectoryA(buffer.data(), static_cast<UINT>(path.size())), path.size() + 1);
  EXPECT_EQ(buffer, std::string(path.size(), '#'));
  std::string fits(path.size() + 1, '#');
  EXPECT_EQ(kernel32::GetSystemDirectoryA(fits.data(), static_cast<UINT>(fits.size())), path.size());
  EXPECT_EQ(fits, path + '\0');
  EXPECT_EQ(kernel32::GetSystemDirectoryA(nullptr, 0), path.size() + 1);
  EXPECT_EQ(kernel32::GetSystemDirectoryA(nullptr, 100), path.size() + 1);
}

TEST(GetSystemDirectoryA, LongPathsHaveNoLimit) {
  const std::string root = "/" + std::string(600, 'r') + "/" + std::string(300, 's');
  ScopedEnv env("KELVO_ROOT", root);
  const std::string path = root + "/system32";
  char small[50];
  std::memset(small, ' ', sizeof small);
  EXPECT_EQ(kernel32::GetSystemDirectoryA(small, sizeof small), path.size() + 1);
  EXPECT_EQ(small[0], ' ');
  std::string big(2000, '#');
  EXPECT_EQ(kernel32::GetSystemDirectoryA(big.data(), 2000), path.size());
  EXPECT_EQ(std::string(big.c_str()), path);
}

TEST(GetSystemDirectoryA, AccentedPathInTheEightBitCodePage) {
  ScopedEnv env("KELVO_ROOT", std::string("/d/Licença"));
  char buffer[64];
  ASSERT_EQ(kernel32::GetSystemDirectoryA(buffer, sizeof buffer), 19u);
  EXPECT_EQ(static_cast<unsigned char>(buffer[8]), 0xE7);  // ç
  EXPECT_STREQ(buffer + 9, "a/system32");
}

}  // namespace
}  // namespace kelvo::win::test

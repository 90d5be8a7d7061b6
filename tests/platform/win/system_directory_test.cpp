// kernel32's system-directory query: the path under $KELVO_ROOT, written
// only when it fits, and nothing created on disk.

#include <gtest/gtest.h>

#include <string>

#include "platform/win/user32.h"
#include "support/temp_dir.h"

namespace kelvo::win::test {
namespace {

using kelvo::testing::ScopedEnv;
using kelvo::testing::TempDir;

TEST(GetSystemDirectoryA, WritesThePathOnlyWhenItFits) {
  TempDir root;
  ScopedEnv env("KELVO_ROOT", root.path().string());
  const std::string path = (root.path() / "system32").string();
  std::string buffer(path.size(), '#');
  EXPECT_EQ(kernel32::GetSystemDirectoryA(buffer.data(), static_cast<UINT>(path.size())), path.size() + 1);
  EXPECT_EQ(buffer, std::string(path.size(), '#'));
  buffer.push_back('#');
  EXPECT_EQ(kernel32::GetSystemDirectoryA(buffer.data(), static_cast<UINT>(buffer.size())), path.size());
  EXPECT_EQ(buffer, path + '\0');
  EXPECT_EQ(kernel32::GetSystemDirectoryA(nullptr, 100), path.size() + 1);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(GetSystemDirectoryA, LongPathsHaveNoLimit) {
  const std::string root = "/" + std::string(900, 'r');
  ScopedEnv env("KELVO_ROOT", root);
  std::string big(2000, '#');
  EXPECT_EQ(kernel32::GetSystemDirectoryA(big.data(), 2000), root.size() + 9);
  EXPECT_EQ(std::string(big.c_str()), root + "/system32");
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

// The whole type library as text, compared with the checked-in dump: any
// change to a member, its slot, type, help string or flags, an event, an
// enumeration or a class attribute shows up as a differing line. Run with
// KELVO_UPDATE_TYPELIB_DUMP=1 to rewrite the dump after an intended change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "klvctl32/server/typelib.h"
#include "tools/kelvodoc/typelib_text.h"

namespace kelvo::klvctl32 {
namespace {

TEST(TypeLibraryDump, MatchesTheCheckedInDump) {
  const std::string path = KELVO_TYPELIB_DUMP;
  const std::string now = typelib_text::Dump(TypeLibrary());
  if (std::getenv("KELVO_UPDATE_TYPELIB_DUMP") != nullptr) {
    std::ofstream(path, std::ios::binary) << now;
    GTEST_SKIP() << "rewrote " << path;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << "missing " << path;
  std::stringstream stored;
  stored << in.rdbuf();
  std::istringstream a(stored.str());
  std::istringstream b(now);
  for (int line = 1;; ++line) {
    std::string want;
    std::string got;
    const bool more = static_cast<bool>(std::getline(a, want));
    const bool moreNow = static_cast<bool>(std::getline(b, got));
    if (!more && !moreNow) break;
    ASSERT_EQ(want, got) << path << ":" << line;
  }
}

}  // namespace
}  // namespace kelvo::klvctl32

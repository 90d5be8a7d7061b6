#include "golden_image.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/gfx/image.h"
#include "platform/gfx/picture.h"

namespace kelvo::klvctl32::testing {
namespace {

std::filesystem::path GoldenDir(const std::string& folder) {
  const char* data = std::getenv("KELVO_TEST_DATA");
  return std::filesystem::path(data != nullptr ? data : "tests/data") / "golden" / folder;
}

bool UpdateRequested() {
  const char* flag = std::getenv("KELVO_UPDATE_GOLDEN");
  return flag != nullptr && std::string(flag) == "1";
}

std::string Hex(const gfx::Rgb c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.r, c.g, c.b);
  return buf;
}

}  // namespace

::testing::AssertionResult MatchesGolden(const gfx::Surface& surface, const std::string& folder,
                                         const std::string& name) {
  const std::filesystem::path golden = GoldenDir(folder) / (name + ".png");
  if (UpdateRequested()) {
    std::filesystem::create_directories(golden.parent_path());
    gfx::WritePng(surface.image(), golden);
    return ::testing::AssertionSuccess();
  }
  if (!std::filesystem::exists(golden)) return ::testing::AssertionFailure() << golden << " is missing";
  const gfx::Image expected = gfx::LoadPicture(golden);
  const gfx::Image& actual = surface.image();
  const std::filesystem::path err = GoldenDir(folder) / (name + "_err.png");
  if (expected.width() != actual.width() || expected.height() != actual.height()) {
    gfx::WritePng(actual, err);
    return ::testing::AssertionFailure() << name << ": size " << actual.width() << "x" << actual.height() << ", golden "
                                         << expected.width() << "x" << expected.height();
  }
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if (actual.RgbAt(x, y) == expected.RgbAt(x, y)) continue;
      gfx::WritePng(actual, err);
      return ::testing::AssertionFailure()
             << name << ": first difference at (" << x << ", " << y << "): " << Hex(actual.RgbAt(x, y)) << ", golden "
             << Hex(expected.RgbAt(x, y)) << "; wrote " << err;
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace kelvo::klvctl32::testing

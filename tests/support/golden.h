#pragma once
// Golden images: a picture compared pixel for pixel with a committed PNG
// under $KELVO_TEST_DATA/golden/MODULE. KELVO_UPDATE_GOLDEN=1 writes the PNG
// instead; a mismatch names the first differing pixel and writes NAME_err.png
// beside the golden.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/gfx/image.h"
#include "platform/gfx/picture.h"

namespace kelvo::testing {

inline std::filesystem::path GoldenDir(const std::string& module) {
  const char* data = std::getenv("KELVO_TEST_DATA");
  return std::filesystem::path(data != nullptr ? data : "tests/data") / "golden" / module;
}

inline std::string HexColor(const gfx::Rgb c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.r, c.g, c.b);
  return buf;
}

inline ::testing::AssertionResult MatchesGolden(const gfx::Image& actual, const std::filesystem::path& dir,
                                                const std::string& name) {
  const std::filesystem::path golden = dir / (name + ".png");
  const char* update = std::getenv("KELVO_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::filesystem::create_directories(dir);
    gfx::WritePng(actual, golden);
    return ::testing::AssertionSuccess();
  }
  if (!std::filesystem::exists(golden)) return ::testing::AssertionFailure() << golden << " is missing";
  const gfx::Image expected = gfx::LoadPicture(golden);
  const std::filesystem::path err = dir / (name + "_err.png");
  if (expected.width() != actual.width() || expected.height() != actual.height()) {
    gfx::WritePng(actual, err);
    return ::testing::AssertionFailure() << name << ": size " << actual.width() << "x" << actual.height()
                                         << ", golden " << expected.width() << "x" << expected.height();
  }
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if (actual.RgbAt(x, y) == expected.RgbAt(x, y)) continue;
      gfx::WritePng(actual, err);
      return ::testing::AssertionFailure() << name << ": first difference at (" << x << ", " << y << "): "
                                           << HexColor(actual.RgbAt(x, y)) << ", golden "
                                           << HexColor(expected.RgbAt(x, y)) << "; wrote " << err;
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace kelvo::testing

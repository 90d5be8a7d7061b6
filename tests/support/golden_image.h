#pragma once
// Golden images: a picture compared pixel for pixel with a committed PNG under
// $KELVO_TEST_DATA/golden/SET/NAME.png. KELVO_UPDATE_GOLDEN=1 writes the PNGs
// instead. A mismatch names the first differing pixel and writes the picture
// drawn as NAME_err.png under KELVO_TEST_OUTPUT/golden/SET (a folder of the
// build tree, given by the build), never beside the golden.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/gfx/picture.h"
#include "platform/gfx/surface.h"

namespace kelvo::testing {

inline std::filesystem::path GoldenDir(const std::string& set) {
  const char* data = std::getenv("KELVO_TEST_DATA");
  return std::filesystem::path(data != nullptr ? data : "tests/data") / "golden" / set;
}

inline bool GoldenUpdateRequested() {
  const char* flag = std::getenv("KELVO_UPDATE_GOLDEN");
  return flag != nullptr && std::string(flag) == "1";
}

inline std::string RgbText(const gfx::Rgb c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.r, c.g, c.b);
  return buf;
}

inline std::filesystem::path WriteMismatch(const gfx::Image& actual, const std::string& set, const std::string& name) {
  const std::filesystem::path err = std::filesystem::path(KELVO_TEST_OUTPUT) / "golden" / set / (name + "_err.png");
  std::filesystem::create_directories(err.parent_path());
  gfx::WritePng(actual, err);
  return err;
}

inline ::testing::AssertionResult MatchesGolden(const gfx::Image& actual, const std::string& set,
                                                const std::string& name) {
  const std::filesystem::path golden = GoldenDir(set) / (name + ".png");
  if (GoldenUpdateRequested()) {
    std::filesystem::create_directories(golden.parent_path());
    gfx::WritePng(actual, golden);
    return ::testing::AssertionSuccess();
  }
  if (!std::filesystem::exists(golden)) return ::testing::AssertionFailure() << golden << " is missing";
  const gfx::Image expected = gfx::LoadPicture(golden);
  if (expected.width() != actual.width() || expected.height() != actual.height()) {
    return ::testing::AssertionFailure() << name << ": size " << actual.width() << "x" << actual.height() << ", golden "
                                         << expected.width() << "x" << expected.height() << "; wrote "
                                         << WriteMismatch(actual, set, name);
  }
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if (actual.RgbAt(x, y) == expected.RgbAt(x, y)) continue;
      return ::testing::AssertionFailure()
             << name << ": first difference at (" << x << ", " << y << "): " << RgbText(actual.RgbAt(x, y))
             << ", golden " << RgbText(expected.RgbAt(x, y)) << "; wrote " << WriteMismatch(actual, set, name);
    }
  }
  return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult MatchesGolden(const gfx::Surface& surface, const std::string& set,
                                                const std::string& name) {
  return MatchesGolden(surface.image(), set, name);
}

}  // namespace kelvo::testing

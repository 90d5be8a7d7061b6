#pragma once
// A control's picture against a committed PNG under tests/data/golden/FOLDER.
// KELVO_UPDATE_GOLDEN=1 writes the PNG instead; a mismatch names the first
// differing pixel and writes NAME_err.png beside the golden.

#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/surface.h"

namespace kelvo::klvctl32::testing {

::testing::AssertionResult MatchesGolden(const gfx::Surface& surface, const std::string& folder,
                                         const std::string& name);

}  // namespace kelvo::klvctl32::testing

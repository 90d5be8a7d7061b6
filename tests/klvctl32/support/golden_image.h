#pragma once
// A control's surface against a committed PNG under tests/data/golden/GROUP,
// exact match. KELVO_UPDATE_GOLDEN=1 writes the PNG instead; a mismatch names
// the first differing pixel and writes NAME_err.png beside the golden.

#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/surface.h"

namespace kelvo::klvctl32::testing {

::testing::AssertionResult MatchesGolden(const gfx::Surface& surface, const std::string& group,
                                         const std::string& name);

}  // namespace kelvo::klvctl32::testing

#pragma once
// What the decoration tests share: the hosted control and reference pictures,
// the system colours a new decoration starts with, and its persisted keys.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "hosted.h"
#include "platform/com/variant.h"
#include "platform/gfx/color.h"
#include "reference_image.h"
#include "test_site.h"

namespace kelvo::klvctl32::decor_tests {

using testing::Hosted;
using testing::Matches;
using testing::RecordingBag;
using testing::ReferenceImage;

inline constexpr gfx::OleColor kFace = 0x8000000Fu;
inline constexpr gfx::OleColor kLight = 0x80000014u;
inline constexpr gfx::OleColor kShadow = 0x80000010u;

// A colour as a member returns it and as it is persisted: a 32-bit Long.
inline com::Variant ColorValue(gfx::OleColor color) { return com::Variant::Long(static_cast<std::int32_t>(color)); }

using BagEntries = std::vector<std::pair<std::u16string, com::Variant>>;

// The keys and values the control writes to an empty bag, in order.
template <class T>
BagEntries Saved(Hosted<T>& hosted) {
  RecordingBag bag;
  hosted.control->WriteProperties(bag);
  return bag.entries();
}

}  // namespace kelvo::klvctl32::decor_tests

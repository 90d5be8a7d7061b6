// Every control class has its own 16 x 15 toolbox picture.
#include "klvctl32/server/toolbox_bitmaps.h"

#include <gtest/gtest.h>

#include <vector>

#include "klvctl32/server/typelib.h"
#include "platform/base/text.h"

namespace kelvo::klvctl32 {
namespace {

TEST(ToolboxBitmaps, EveryControlHasItsOwnPicture) {
  std::vector<gfx::Image> seen;
  for (const com::CoClassInfo* c : TypeLibrary().classes) {
    if (!c->isControl) continue;
    SCOPED_TRACE(text::ToUtf8(c->name));
    const gfx::Image image = ToolboxBitmap(c->toolboxBitmap);
    EXPECT_EQ(image.width(), 16);
    EXPECT_EQ(image.height(), 15);
    for (const gfx::Image& other : seen) EXPECT_FALSE(image == other);
    seen.push_back(image);
  }
}

TEST(ToolboxBitmaps, UnknownIdGivesNoPicture) {
  EXPECT_TRUE(ToolboxBitmap(0).empty());
  EXPECT_TRUE(ToolboxBitmap(9999).empty());
}

}  // namespace
}  // namespace kelvo::klvctl32

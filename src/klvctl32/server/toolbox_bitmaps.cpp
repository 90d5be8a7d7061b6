#include "klvctl32/server/toolbox_bitmaps.h"

#include <array>
#include <string_view>

#include "klvctl32/host/resource_ids.h"

namespace kelvo::klvctl32 {

namespace {

using Rows = std::array<std::string_view, kToolboxBitmapHeight>;

struct Picture {
  std::uint16_t id;
  Rows rows;
};

// One letter a pixel: the 3D greys of a button face, black, white, and a few
// accents.
gfx::Rgb PaletteColor(char letter) {
  switch (letter) {
    case 'w':
      return {0xFF, 0xFF, 0xFF};
    case 'g':
      return {0x80, 0x80, 0x80};
    case 'k':
      return {0x00, 0x00, 0x00};
    case 'b':
      return {0x00, 0x00, 0x80};
    case 'B':
      return {0x00, 0x00, 0xFF};
    case 'y':
      return {0xFF, 0xFF, 0x00};
    default:
      return {0xC0, 0xC0, 0xC0};
  }
}

constexpr Picture kPictures[] = {
    {resource::kNumberEditBitmap,
     {
         "................",
         "................",
         "gggggggggggggggw",
         "gkkkkkkkkkkkkk.w",
         "gkwwwwwwwwwwww.w",
         "gkwwwwwkwwkkkw.w",
         "gkwwwwkkwwwwwk.w",
         "gkwwwwwkwwwwwk.w",
         "gkwwwwwkwwwkkw.w",
         "gkwwwwwkwwkwww.w",
         "gkwwwwkkkwkkkk.w",
         "gkwwwwwwwwwwww.w",
         "gkwwwwwwwwwwww.w",
         "g..............w",
         "wwwwwwwwwwwwwwww",
     }},
    {resource::kTextEditBitmap,
     {
         "................",
         "................",
         "gggggggggggggggw",
         "gkkkkkkkkkkkkk.w",
         "gkwwwwwwwwwwww.w",
         "gkwwwwwkwwwwkw.w",
         "gkwkkwwkwwwwkw.w",
         "gkwwwkwkkkwwkw.w",
         "gkwkkkwkwwkwkw.w",
         "gkkwwkwkwwkwkw.w",
         "gkwkkkwkkkwwkw.w",
         "gkwwwwwwwwwwkw.w",
         "gkwwwwwwwwwwww.w",
         "g..............w",
         "wwwwwwwwwwwwwwww",
     }},
    {resource::kActiveCommandBitmap,
     {
         "................",
         "................",
         "wwwwwwwwwwwwwwwk",
         "w.............gk",
         "w.............gk",
         "w....bbbbbb...gk",
         "w...bbyyyybb..gk",
         "w...byyyyyyb..gk",
         "w...bbyyyybb..gk",
         "w....bbbbbb...gk",
         "w.............gk",
         "w.............gk",
         "wggggggggggggggg",
         "kkkkkkkkkkkkkkkk",
         "................",
     }},
    {resource::kTBButtonBitmap,
     {
         "................",
         "..wwwwwwwwwww...",
         "..w.........g...",
         "..w..bbbbb..g...",
         "..w.bBBBBBb.g...",
         "..w.bBwBBBb.g...",
         "..w.bBBBBBb.g...",
         "..w.bBBBBBb.g...",
         "..w..bbbbb..g...",
         "..w.........g...",
         "..wgggggggggg...",
         "................",
         "................",
         "................",
         "................",
     }},
    {resource::kTBBarBitmap,
     {
         "................",
         "................",
         "wwwwwwwwwwwwwwwg",
         "w..............g",
         "w.w.w..........g",
         "w.w.w..kkk.kkk.g",
         "w.w.w..kyk.kBk.g",
         "w.w.w..kkk.kkk.g",
         "w.w.w..........g",
         "w.g.g..........g",
         "wgggggggggggggg.",
         "................",
         "................",
         "................",
         "................",
     }},
    {resource::kTBSeparatorBitmap,
     {
         "................",
         "................",
         ".......gw.......",
         ".......gw.......",
         ".......gw.......",
         ".......gw.......",
         ".......gw.......",
         ".......gw.......",
         ".......gw.......",
         ".......gw.......",
         ".......gw.......",
         ".......gw.......",
         ".......gw.......",
         "................",
         "................",
     }},
    {resource::kPanel3DBitmap,
     {
         "wwwwwwwwwwwwwwwg",
         "w..............g",
         "w.gggggggggggw.g",
         "w.g..........w.g",
         "w.g..........w.g",
         "w.g..........w.g",
         "w.g..........w.g",
         "w.g..........w.g",
         "w.g..........w.g",
         "w.g..........w.g",
         "w.g..........w.g",
         "w.gwwwwwwwwwww.g",
         "w..............g",
         "w..............g",
         "gggggggggggggggg",
     }},
    {resource::kLine3DBitmap,
     {
         "................",
         "................",
         "................",
         "................",
         "................",
         "................",
         "gggggggggggggggg",
         "wwwwwwwwwwwwwwww",
         "................",
         "................",
         "................",
         "................",
         "................",
         "................",
         "................",
     }},
    {resource::kCopyFileBitmap,
     {
         "................",
         "................",
         "................",
         "gggggggggggggggw",
         "gwwwwwwwwwwwwwww",
         "gwbbbbbbbwwwwwww",
         "gwbbbbwbbwwwwwww",
         "gwbbbwwwbwwwwwww",
         "gwbbbbwbbwwwwwww",
         "gwbbbbbbbwwwwwww",
         "gwwwwwwwwwwwwwww",
         "wwwwwwwwwwwwwwww",
         "................",
         "................",
         "................",
     }},
    {resource::kEnginerBitmap,
     {
         "................",
         "......kkkk......",
         "....kkyyyykk....",
         "...kyyyyyyyyk...",
         "..kyyyykkyyyyk..",
         "..kyyyyykyyyyk..",
         ".kyyyyyykyyyyyk.",
         ".kyyyyyykyyyyyk.",
         ".kyyyyyykkkkyyk.",
         "..kyyyyyyyyyyk..",
         "..kyyyyyyyyyyk..",
         "...kyyyyyyyyk...",
         "....kkyyyykk....",
         "......kkkk......",
         "................",
     }},
};

}  // namespace

gfx::Image ToolboxBitmap(std::uint16_t resourceId) {
  for (const Picture& picture : kPictures) {
    if (picture.id != resourceId) continue;
    gfx::Image image(kToolboxBitmapWidth, kToolboxBitmapHeight);
    for (int y = 0; y < kToolboxBitmapHeight; ++y) {
      const std::string_view row = picture.rows[static_cast<std::size_t>(y)];
      for (int x = 0; x < kToolboxBitmapWidth; ++x) image.SetRgb(x, y, PaletteColor(row[static_cast<std::size_t>(x)]));
    }
    return image;
  }
  return {};
}

}  // namespace kelvo::klvctl32

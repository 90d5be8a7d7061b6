#include "platform/gfx/color.h"

#include <array>

namespace kelvo::gfx {
namespace {

// The one system-colour table of the platform: a classic grey 3D scheme.
// Index, name, RGB (also listed in docs/colors.md):
//   0 scroll bar                    192,192,192
//   1 desktop                         0,128,128
//   2 active title bar                0,  0,128
//   3 inactive title bar            128,128,128
//   4 menu                          192,192,192
//   5 window background             255,255,255
//   6 window frame                    0,  0,  0
//   7 menu text                       0,  0,  0
//   8 window text                     0,  0,  0
//   9 active title text             255,255,255
//  10 active border                 192,192,192
//  11 inactive border               192,192,192
//  12 application workspace         128,128,128
//  13 highlight                       0,  0,128
//  14 highlight text                255,255,255
//  15 button face                   192,192,192
//  16 button shadow                 128,128,128
//  17 grey text                     128,128,128
//  18 button text                     0,  0,  0
//  19 inactive title text           192,192,192
//  20 button highlight              255,255,255
//  21 3D dark shadow                  0,  0,  0
//  22 3D light                      223,223,223
//  23 tooltip text                    0,  0,  0
//  24 tooltip background            255,255,225
//  25 (unused)                        0,  0,  0
//  26 hot-tracked item                0,  0,128
//  27 active title gradient         166,202,240
//  28 inactive title gradient       192,192,192
//  29 menu highlight                  0,  0,128
//  30 menu bar                      192,192,192
constexpr std::array<Rgb, kSystemColorCount> kSystemColors = {{
    {192, 192, 192}, {0, 128, 128},   {0, 0, 128},     {128, 128, 128}, {192, 192, 192}, {255, 255, 255},
    {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {255, 255, 255}, {192, 192, 192}, {192, 192, 192},
    {128, 128, 128}, {0, 0, 128},     {255, 255, 255}, {192, 192, 192}, {128, 128, 128}, {128, 128, 128},
    {0, 0, 0},       {192, 192, 192}, {255, 255, 255}, {0, 0, 0},       {223, 223, 223}, {0, 0, 0},
    {255, 255, 225}, {0, 0, 0},       {0, 0, 128},     {166, 202, 240}, {192, 192, 192}, {0, 0, 128},
    {192, 192, 192},
}};

constexpr OleColor kKindMask = 0xFF000000u;

}  // namespace

bool IsSystemColor(OleColor c) { return (c & kKindMask) == kSystemColorBase; }

Rgb SystemColor(int index) {
  if (index < 0 || index >= kSystemColorCount) return {};
  return kSystemColors[static_cast<std::size_t>(index)];
}

Rgb ResolveColor(OleColor c) {
  if (IsSystemColor(c)) {
    const OleColor index = c & ~kKindMask;
    return index < static_cast<OleColor>(kSystemColorCount) ? SystemColor(static_cast<int>(index)) : Rgb{};
  }
  return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
          static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

}  // namespace kelvo::gfx

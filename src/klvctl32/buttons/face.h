#pragma once
// What the two buttons' faces are made of: the face properties (persisted,
// shared by KelvoActiveCommand and KelvoTBButton), the run-time state painting
// reads, and the two kinds of face, which differ in a few painting rules.

#include <cstdint>
#include <string>

#include "klvctl32/host/twips16.h"
#include "platform/com/object.h"
#include "platform/forms/stdobjects.h"
#include "platform/gfx/color.h"

namespace kelvo::klvctl32 {

// kcPictSize
inline constexpr std::int16_t kc16x16 = 0;
inline constexpr std::int16_t kc32x32 = 1;
// kcPictPosition
inline constexpr std::int16_t kcTop = 0;
inline constexpr std::int16_t kcBottom = 1;
inline constexpr std::int16_t kcLeft = 2;
inline constexpr std::int16_t kcRight = 3;
// kcStyle
inline constexpr std::int16_t kc3D = 0;
inline constexpr std::int16_t kcFlat = 1;

enum class FaceKind : std::uint8_t { Command, Toolbar };

using PictureRef = com::ComPtr<forms::IPictureObject>;

struct FaceProperties {
  std::u16string Caption;
  bool Enabled = true;
  com::ComPtr<forms::IFontObject> Font;
  gfx::OleColor ForeColor = 0x80000012u;
  gfx::OleColor BackColor = 0x8000000Fu;
  gfx::OleColor FocusedFRColor = 0xFF0000u;
  gfx::OleColor FocusedBKColor = 0x8000000Fu;  // stored and persisted, never painted
  gfx::OleColor LightColorIn = 0x80000016u;
  gfx::OleColor ShadowColorIn = 0x80000010u;
  gfx::OleColor LightColorOut = 0x80000014u;
  gfx::OleColor ShadowColorOut = 0x80000015u;
  PictureRef Picture;
  PictureRef DisabledPicture;
  PictureRef DownPicture;
  PictureRef FocusedPicture;
  std::int16_t PictSize = kc16x16;
  std::int16_t PictPosition = kcLeft;
  std::int16_t Margin = 0;
  std::int16_t Distance = 0;
  bool FocusedBold = false;
  bool FocusedUnderline = false;
  bool ActiveBorder = true;
  std::int16_t Style = kc3D;
};

struct FaceState {
  std::int16_t PressState = 0;  // 1: drawn pressed
  bool HasFocus = false;
  bool IsHot = false;  // the pointer is over the button, which holds the capture
  Twips16 CaptionX = 0;
  Twips16 CaptionY = 0;
  Twips16 PictureX = 0;
  Twips16 PictureY = 0;
  std::int16_t PictureSizePx = 16;
  bool Active() const { return PressState == 1 || IsHot; }
};

// The screen factors and the control's size, in twips.
struct FaceGeometry {
  double W = 0;
  double H = 0;
  Twips16 PX = 15;
  Twips16 PY = 15;
};

}  // namespace kelvo::klvctl32

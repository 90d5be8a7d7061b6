#pragma once
// The system colours the standard controls draw with, as OLE colours.

#include "platform/gfx/color.h"

namespace kelvo::forms::stdcontrols {

inline constexpr gfx::OleColor kButtonFace = 0x8000000Fu;
inline constexpr gfx::OleColor kButtonShadow = 0x80000010u;
inline constexpr gfx::OleColor kGrayText = 0x80000011u;
inline constexpr gfx::OleColor kButtonText = 0x80000012u;
inline constexpr gfx::OleColor kButtonHighlight = 0x80000014u;
inline constexpr gfx::OleColor kDarkShadow = 0x80000015u;
inline constexpr gfx::OleColor kLight = 0x80000016u;
inline constexpr gfx::OleColor kWindowBackground = 0x80000005u;
inline constexpr gfx::OleColor kWindowFrame = 0x80000006u;
inline constexpr gfx::OleColor kWindowText = 0x80000008u;
inline constexpr gfx::OleColor kHighlight = 0x8000000Du;
inline constexpr gfx::OleColor kHighlightText = 0x8000000Eu;

}  // namespace kelvo::forms::stdcontrols

#pragma once
// Class ids of the container's standard property pages (font, colour,
// picture). Control classes list them among their property pages; the
// designer supplies the pages themselves.

#include "platform/com/guid.h"

namespace kelvo::forms {

// {7BA60D53-981D-4B7D-AC33-EEACD670CCDD}
inline constexpr com::CLSID CLSID_StandardFontPage{
    0x7BA60D53, 0x981D, 0x4B7D, {0xAC, 0x33, 0xEE, 0xAC, 0xD6, 0x70, 0xCC, 0xDD}};
// {9B16108D-6892-448F-9A22-83228F24F902}
inline constexpr com::CLSID CLSID_StandardColorPage{
    0x9B16108D, 0x6892, 0x448F, {0x9A, 0x22, 0x83, 0x22, 0x8F, 0x24, 0xF9, 0x02}};
// {510D35D2-E30E-460C-BAFE-13C0EA07599C}
inline constexpr com::CLSID CLSID_StandardPicturePage{
    0x510D35D2, 0xE30E, 0x460C, {0xBA, 0xFE, 0x13, 0xC0, 0xEA, 0x07, 0x59, 0x9C}};

}  // namespace kelvo::forms

#pragma once
// How the console prints values: True/False; integers in decimal; Single and
// Double in the shortest plain decimal that reads back the same, with ".";
// strings double-quoted with the console's escapes; members typed as colours
// as &H followed by eight hex digits and &; Nothing, Empty, Null; a control by its name; a font as
// `font "NAME" SIZE [bold] [italic] [underline]`; a picture as `picture WxH`.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/com/typeinfo.h"
#include "platform/com/variant.h"
#include "platform/gfx/color.h"
#include "platform/gfx/font.h"

namespace kelvo::console {

// "..." with "" for a quote, \\ for a backslash, \n \r \t, and \xHH for the
// other control characters; everything else as UTF-8.
std::string QuoteString(std::u16string_view s);
// Raw script text for a message: control characters as \xHH, the rest as it is.
std::string ShowControls(std::string_view raw);
std::string FormatShortest(double value);
std::string FormatShortest(float value);
std::string FormatColor(std::uint32_t color);  // &H8000000F&
std::string FormatRgb(gfx::Rgb color);         // #RRGGBB
std::string FormatFont(const gfx::FontDesc& font);

// The name the console prints for an object it knows (a control, a form), or nothing.
using ObjectNamer = std::function<std::optional<std::string>(com::IDispatch*)>;

// A value as the console prints it; declared is the member's or argument's
// type when known (Color prints numbers as colours).
std::string FormatValue(const com::Variant& value, com::TypeKind declared = com::TypeKind::Variant,
                        const ObjectNamer& namer = {});

}  // namespace kelvo::console

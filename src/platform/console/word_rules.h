#pragma once
// What a single unquoted word may be: a value (integer, decimal, &H hex,
// True, False, Nothing, Empty, Null), an identifier, a ProgID, a control
// reference (NAME, name(3), form) or a member reference (NAME.MEMBER[#N]).

#include <optional>
#include <string>
#include <string_view>

#include "platform/console/command.h"
#include "platform/console/lexer.h"

namespace kelvo::console {

std::string AsciiLower(std::string_view s);
bool IsKeyword(const Token& token, std::string_view keyword);  // bare, any case

bool IsIdentifier(std::string_view s);  // letter or _, then letters, digits, _
bool IsProgId(std::string_view s);      // identifiers joined by "."

// The value an unquoted word stands for, or nothing when it is not a value.
std::optional<Literal> LiteralFromText(std::string_view word);
std::optional<ControlRef> ControlRefFromText(std::string_view word);
std::optional<MemberRef> MemberRefFromText(std::string_view word);

}  // namespace kelvo::console

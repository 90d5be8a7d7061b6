#pragma once
// Parses one console line into a typed statement. Blank lines and lines
// starting with "#" parse to nothing; a line that is not a statement of the
// console language gives a ParseError saying what was expected.

#include <string>
#include <string_view>
#include <variant>

#include "platform/console/command.h"

namespace kelvo::console {

struct ParseError {
  std::string message;
};

using ParsedLine = std::variant<std::monostate, ScriptLine, ParseError>;

ParsedLine ParseLine(std::string_view text, int number);

}  // namespace kelvo::console

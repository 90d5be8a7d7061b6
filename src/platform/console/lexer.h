#pragma once
// Splits one console line into words. Words are separated by blanks (space,
// tab) outside double quotes. A quoted string keeps its blanks, both as a word
// of its own ("a b") and as the value of KEY="a b". Inside quotes "" stands for
// one quote and \n \r \t \\ \xHH are escapes (\xHH is the character of 8-bit
// code HH in code page 1252).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo::console {

struct Token {
  std::string bare;                      // the unquoted part: "x", "KEY=" before a quoted value, "" for "..."
  std::optional<std::u16string> quoted;  // the decoded quoted string, when the word ends in one
  std::string source;                    // the word exactly as written
  std::size_t column = 0;                // 1-based position of its first character

  bool IsString() const { return quoted.has_value() && bare.empty(); }
  bool IsBare() const { return !quoted.has_value(); }
};

// What went wrong in a line, at a 1-based column.
struct LexError {
  std::string message;
  std::size_t column = 0;
};

struct LexResult {
  std::vector<Token> tokens;
  std::optional<LexError> error;
};

LexResult Tokenize(std::string_view line);

// Whether c separates words.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The position of the first " = " outside quotes (the separator of an expect
// line), or npos. A line ending in " =" counts as a separator with nothing after it.
std::size_t FindExpectSeparator(std::string_view line);

}  // namespace kelvo::console

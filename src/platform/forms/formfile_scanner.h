#pragma once
// Reading one line of a form file: words, names and values. Every failure is
// a ScanError saying what was expected; the reader adds the file and line.

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/com/variant.h"

namespace kelvo::forms::formfile {

class ScanError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A cursor over one line (UTF-8).
class LineScanner {
 public:
  explicit LineScanner(std::string_view line) : line_(line) {}

  void SkipBlanks();
  bool AtEnd();  // only blanks or a ' comment remain
  // A word of letters, digits and underscores starting with a letter or
  // underscore, or empty when none starts here.
  std::string_view Word();
  // Words joined by dots: "KLVCTL32.KelvoTextEdit".
  std::string_view DottedName();
  bool Accept(char c);
  void Expect(char c, const char* what);
  // A value: a string expression, a number, or &H hexadecimal.
  com::Variant Value();
  void ExpectEnd(const char* what);

 private:
  std::u16string StringExpression();
  std::u16string QuotedString();
  char16_t CharCode();
  com::Variant Number();
  com::Variant Hexadecimal();
  char Peek() const { return pos_ < line_.size() ? line_[pos_] : '\0'; }

  std::string_view line_;
  std::size_t pos_ = 0;
};

}  // namespace kelvo::forms::formfile

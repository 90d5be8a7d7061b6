// Words and values of one form file line.

#include "platform/forms/formfile_scanner.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/base/text.h"

namespace kelvo::forms::formfile {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

constexpr std::size_t kMaxHexDigits = 8;
constexpr std::size_t kMaxNumberLength = 64;

com::Variant IntegerValue(std::int64_t v) {
  if (v >= std::numeric_limits<std::int16_t>::min() && v <= std::numeric_limits<std::int16_t>::max()) {
    return com::Variant::Integer(static_cast<std::int16_t>(v));
  }
  if (v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max()) {
    return com::Variant::Long(static_cast<std::int32_t>(v));
  }
  throw ScanError("expected a number within the 32-bit range");
}

}  // namespace

void LineScanner::SkipBlanks() {
  while (pos_ < line_.size() && IsBlank(line_[pos_])) ++pos_;
}

bool LineScanner::AtEnd() {
  SkipBlanks();
  return pos_ >= line_.size() || line_[pos_] == '\'';
}

std::string_view LineScanner::Word() {
  SkipBlanks();
  const std::size_t start = pos_;
  if (!IsLetter(Peek())) return {};
  while (IsLetter(Peek()) || IsDigit(Peek())) ++pos_;
  return line_.substr(start, pos_ - start);
}

std::string_view LineScanner::DottedName() {
  SkipBlanks();
  const std::size_t start = pos_;
  if (Word().empty()) return {};
  while (Peek() == '.') {
    ++pos_;
    if (Word().empty()) throw ScanError("expected a name after '.'");
  }
  return line_.substr(start, pos_ - start);
}

bool LineScanner::Accept(char c) {
  SkipBlanks();
  if (Peek() != c) return false;
  ++pos_;
  return true;
}

void LineScanner::Expect(char c, const char* what) {
  if (!Accept(c)) throw ScanError(std::string("expected ") + what);
}

void LineScanner::ExpectEnd(const char* what) {
  if (!AtEnd()) throw ScanError(std::string("expected ") + what);
}

com::Variant LineScanner::Value() {
  SkipBlanks();
  const char c = Peek();
  if (c == '"' || c == 'C') return com::Variant::String(StringExpression());
  if (c == '&') return Hexadecimal();
  if (c == '-' || IsDigit(c) || c == '.') return Number();
  throw ScanError("expected a value (a quoted string, a number or &H...&)");
}

// "text" or Chr$(N), joined by &.
std::u16string LineScanner::StringExpression() {
  std::u16string result;
  for (;;) {
    SkipBlanks();
    if (Peek() == '"') {
      result += QuotedString();
    } else if (line_.substr(pos_).starts_with("Chr$(")) {
      result += CharCode();
    } else {
      throw ScanError("expected a quoted string or Chr$(N)");
    }
    SkipBlanks();
    // "&" joins parts; "&H" cannot follow a string, so a lone & is a join.
    if (Peek() != '&') return result;
    ++pos_;
  }
}

std::u16string LineScanner::QuotedString() {
  ++pos_;  // the opening quote
  std::string utf8;
  for (;;) {
    if (pos_ >= line_.size()) throw ScanError("expected the closing quote of the string");
    const char c = line_[pos_++];
    if (c != '"') {
      utf8 += c;
      continue;
    }
    if (Peek() != '"') break;
    utf8 += '"';
    ++pos_;
  }
  return text::FromUtf8(utf8);
}

char16_t LineScanner::CharCode() {
  pos_ += 5;  // Chr$(
  SkipBlanks();
  const std::size_t start = pos_;
  while (IsDigit(Peek())) ++pos_;
  int code = 0;
  const auto [end, ec] = std::from_chars(line_.data() + start, line_.data() + pos_, code);
  if (ec != std::errc() || end == line_.data() + start || code > 0xFFFF) {
    throw ScanError("expected a character code from 0 to 65535 in Chr$(N)");
  }
  Expect(')', "')' after the character code");
  return static_cast<char16_t>(code);
}

com::Variant LineScanner::Number() {
  const std::size_t start = pos_;
  if (Peek() == '-') ++pos_;
  bool decimal = false;
  while (IsDigit(Peek()) || Peek() == '.' || Peek() == 'E' || Peek() == 'e' ||
         ((Peek() == '+' || Peek() == '-') && (line_[pos_ - 1] == 'E' || line_[pos_ - 1] == 'e'))) {
    decimal = decimal || !IsDigit(Peek());
    ++pos_;
  }
  const std::string_view digits = line_.substr(start, pos_ - start);
  if (digits.size() > kMaxNumberLength) throw ScanError("expected a number of at most 64 characters");
  if (!decimal) {
    std::int64_t v = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (ec == std::errc::result_out_of_range) throw ScanError("expected a number within the 32-bit range");
    if (ec != std::errc() || end != digits.data() + digits.size()) throw ScanError("expected a number");
    return IntegerValue(v);
  }
  double d = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), d);
  if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(d)) {
    throw ScanError("expected a decimal number");
  }
  return com::Variant::Double(d);
}

// &H followed by up to eight hexadecimal digits and an optional &: a Long.
com::Variant LineScanner::Hexadecimal() {
  ++pos_;
  if (Peek() != 'H' && Peek() != 'h') throw ScanError("expected &H and hexadecimal digits");
  ++pos_;
  const std::size_t start = pos_;
  while (IsHexDigit(Peek())) ++pos_;
  const std::size_t count = pos_ - start;
  if (count == 0 || count > kMaxHexDigits) throw ScanError("expected one to eight hexadecimal digits after &H");
  std::uint32_t v = 0;
  std::from_chars(line_.data() + start, line_.data() + pos_, v, 16);
  if (Peek() == '&') ++pos_;
  return com::Variant::Long(static_cast<std::int32_t>(v));
}

}  // namespace kelvo::forms::formfile

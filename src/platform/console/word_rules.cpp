#include "platform/console/word_rules.h"

#include <charconv>
#include <cstdint>
#include <system_error>

#include "platform/base/text.h"

namespace kelvo::console {
namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!IsDigit(c)) return false;
  return true;
}

std::optional<Literal> KeywordLiteral(std::string_view word) {
  const std::string lower = AsciiLower(word);
  if (lower == "true") return Literal::Boolean(true);
  if (lower == "false") return Literal::Boolean(false);
  if (lower == "nothing") return Literal::Of(Literal::Kind::Nothing);
  if (lower == "empty") return Literal::Of(Literal::Kind::Empty);
  if (lower == "null") return Literal::Of(Literal::Kind::Null);
  return std::nullopt;
}

// &H and up to eight hex digits, with an optional trailing "&".
std::optional<Literal> HexLiteral(std::string_view word) {
  if (word.size() < 3 || word[0] != '&' || (word[1] != 'H' && word[1] != 'h')) return std::nullopt;
  std::string_view digits = word.substr(2);
  if (digits.back() == '&') digits.remove_suffix(1);
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : digits) {
    if (!IsHexDigit(c)) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10);
  }
  return Literal::Hex(value);
}

// -12, 1234.5, .5, 3. : an optional minus, digits with at most one ".".
std::optional<Literal> NumberLiteral(std::string_view word) {
  std::string_view body = word;
  if (!body.empty() && body.front() == '-') body.remove_prefix(1);
  const std::size_t dot = body.find('.');
  const std::string_view whole = body.substr(0, dot);
  const std::string_view fraction = dot == std::string_view::npos ? std::string_view{} : body.substr(dot + 1);
  if (dot == std::string_view::npos) {
    if (!AllDigits(whole)) return std::nullopt;
  } else if (!(whole.empty() || AllDigits(whole)) || !(fraction.empty() || AllDigits(fraction)) ||
             whole.size() + fraction.size() == 0) {
    return std::nullopt;
  }
  const char* first = word.data();
  const char* last = word.data() + word.size();
  if (dot == std::string_view::npos) {
    std::int64_t value = 0;
    if (std::from_chars(first, last, value).ec == std::errc{}) return Literal::Integer(value);
  }
  double value = 0;
  const auto result = std::from_chars(first, last, value);
  if (result.ec != std::errc{} || result.ptr != last) return std::nullopt;
  return Literal::Decimal(value);
}

}  // namespace

std::string AsciiLower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool IsKeyword(const Token& token, std::string_view keyword) {
  return token.IsBare() && AsciiLower(token.bare) == AsciiLower(keyword);
}

bool IsIdentifier(std::string_view s) {
  if (s.empty() || !(IsLetter(s[0]) || s[0] == '_')) return false;
  for (char c : s)
    if (!(IsLetter(c) || IsDigit(c) || c == '_')) return false;
  return true;
}

bool IsProgId(std::string_view s) {
  while (true) {
    const std::size_t dot = s.find('.');
    if (!IsIdentifier(s.substr(0, dot))) return false;
    if (dot == std::string_view::npos) return true;
    s.remove_prefix(dot + 1);
  }
}

std::optional<Literal> LiteralFromText(std::string_view word) {
  if (auto keyword = KeywordLiteral(word)) return keyword;
  if (auto hex = HexLiteral(word)) return hex;
  return NumberLiteral(word);
}

std::optional<ControlRef> ControlRefFromText(std::string_view word) {
  if (AsciiLower(word) == "form") return ControlRef::Form();
  const std::size_t open = word.find('(');
  if (open == std::string_view::npos) {
    if (!IsIdentifier(word)) return std::nullopt;
    return ControlRef{text::FromUtf8(word), std::nullopt, false};
  }
  const std::string_view name = word.substr(0, open);
  if (!IsIdentifier(name) || word.back() != ')') return std::nullopt;
  const std::string_view digits = word.substr(open + 1, word.size() - open - 2);
  int index = 0;
  if (!AllDigits(digits) || digits.size() > 5) return std::nullopt;
  std::from_chars(digits.data(), digits.data() + digits.size(), index);
  return ControlRef{text::FromUtf8(name), index, false};
}

std::optional<MemberRef> MemberRefFromText(std::string_view word) {
  const std::size_t dot = word.rfind('.');
  if (dot == std::string_view::npos) return std::nullopt;
  auto target = ControlRefFromText(word.substr(0, dot));
  if (!target) return std::nullopt;
  std::string_view member = word.substr(dot + 1);
  std::optional<int> occurrence;
  const std::size_t hash = member.find('#');
  if (hash != std::string_view::npos) {
    const std::string_view digits = member.substr(hash + 1);
    if (!AllDigits(digits) || digits.size() > 6) return std::nullopt;
    int n = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), n);
    occurrence = n;
    member = member.substr(0, hash);
  }
  if (!IsIdentifier(member)) return std::nullopt;
  return MemberRef{std::move(*target), text::FromUtf8(member), occurrence};
}

}  // namespace kelvo::console

#include "platform/console/lexer.h"

#include "platform/console/value_text.h"

#include <cstdint>

#include "platform/base/text.h"

namespace kelvo::console {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

class LineScanner {
 public:
  explicit LineScanner(std::string_view line) : line_(line) {}

  LexResult Run() {
    LexResult result;
    while (true) {
      SkipBlanks();
      if (AtEnd()) break;
      auto token = ReadWord();
      if (!token) {
        result.error = error_;
        break;
      }
      result.tokens.push_back(std::move(*token));
    }
    return result;
  }

 private:
  bool AtEnd() const { return pos_ >= line_.size(); }
  char Peek() const { return line_[pos_]; }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(Peek())) ++pos_;
  }

  std::nullopt_t Fail(std::string message, std::size_t at) {
    error_ = LexError{std::move(message), at + 1};
    return std::nullopt;
  }

  std::optional<Token> ReadWord() {
    Token token;
    const std::size_t start = pos_;
    token.column = start + 1;
    while (!AtEnd() && !IsBlank(Peek()) && Peek() != '"') token.bare += line_[pos_++];
    if (!AtEnd() && Peek() == '"') {
      if (!token.bare.empty() && token.bare.back() != '=')
        return Fail("a quote may only start a word or follow \"=\"", pos_);
      auto quoted = ReadQuoted();
      if (!quoted) return std::nullopt;
      token.quoted = std::move(*quoted);
      if (!AtEnd() && !IsBlank(Peek())) return Fail("expected a blank after the closing quote", pos_);
    }
    token.source = std::string(line_.substr(start, pos_ - start));
    return token;
  }

  // Reads from the opening quote to the closing one; pos_ ends after it.
  std::optional<std::u16string> ReadQuoted() {
    const std::size_t open = pos_++;
    std::u16string out;
    std::string run;  // raw UTF-8 since the last escape
    auto flush = [&] {
      out += text::FromUtf8(run);
      run.clear();
    };
    while (true) {
      if (AtEnd()) return Fail("unterminated string", open);
      const char c = line_[pos_];
      if (c == '"') {
        if (pos_ + 1 < line_.size() && line_[pos_ + 1] == '"') {
          run += '"';
          pos_ += 2;
          continue;
        }
        ++pos_;
        flush();
        return out;
      }
      if (c != '\\') {
        run += c;
        ++pos_;
        continue;
      }
      flush();
      auto escaped = ReadEscape();
      if (!escaped) return std::nullopt;
      out += *escaped;
    }
  }

  // pos_ is at a backslash; reads the escape and moves past it.
  std::optional<char16_t> ReadEscape() {
    const std::size_t at = pos_;
    if (pos_ + 1 >= line_.size()) return Fail("unfinished escape", at);
    const char kind = line_[pos_ + 1];
    pos_ += 2;
    switch (kind) {
      case 'n': return u'\n';
      case 'r': return u'\r';
      case 't': return u'\t';
      case '\\': return u'\\';
      case 'x': {
        const int high = pos_ < line_.size() ? HexDigit(line_[pos_]) : -1;
        const int low = pos_ + 1 < line_.size() ? HexDigit(line_[pos_ + 1]) : -1;
        if (high < 0 || low < 0) return Fail("\\x needs two hexadecimal digits", at);
        pos_ += 2;
        return text::FromAnsi(static_cast<std::uint8_t>(high * 16 + low));
      }
      default:
        return Fail("unknown escape \\" + ShowControls(std::string(1, kind)), at);
    }
  }

  std::string_view line_;
  std::size_t pos_ = 0;
  LexError error_;
};

}  // namespace

LexResult Tokenize(std::string_view line) { return LineScanner(line).Run(); }

std::size_t FindExpectSeparator(std::string_view line) {
  bool inQuotes = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') {
      inQuotes = !inQuotes;
      continue;
    }
    if (inQuotes || line[i] != '=' || i == 0 || line[i - 1] != ' ') continue;
    if (i + 1 == line.size() || line[i + 1] == ' ') return i - 1;
  }
  return std::string_view::npos;
}

}  // namespace kelvo::console

// The registry file's text form:
//
//   ; comment
//   [HKEY_CLASSES_ROOT\CLSID\{...}\InprocServer32]
//   @="/path/to/server"
//   "ThreadingModel"="Apartment"
//   "Flags"=dword:0000000F
//
// Strings are in double quotes with the escapes \\ \" \n \r \t and \xHH; any
// other byte stands for itself. Blank lines and lines starting with ";" are
// skipped (and not kept). A key's parents exist even when the file does not
// list them; a key listed twice is one key.
#include <cstdio>
#include <string>

#include "platform/com/registry.h"

namespace kelvo::com {
namespace {

constexpr std::string_view kHeader =
    "; Kelvo registry: [key] lines, then @=\"default\", \"Name\"=\"text\" or \"Name\"=dword:hhhhhhhh\n";

[[noreturn]] void Fail(int line, const std::string& expected) {
  throw RegistryError("line " + std::to_string(line) + ": expected " + expected, line);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// One `name=value` line.
class ValueLine {
 public:
  ValueLine(std::string_view text, int line) : text_(text), line_(line) {}

  std::pair<std::string, RegValue> Parse() {
    std::string name = ParseName();
    SkipBlanks();
    if (Peek() != '=') Fail(line_, "'=' after the value name");
    ++pos_;
    SkipBlanks();
    RegValue value = ParseValue();
    SkipBlanks();
    if (pos_ != text_.size()) Fail(line_, "the end of the line after the value");
    return {std::move(name), std::move(value)};
  }

 private:
  char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }

  std::string ParseName() {
    if (Peek() == '@') {
      ++pos_;
      return {};
    }
    if (Peek() == '"') return ParseQuoted();
    Fail(line_, "a [key] line, a value line (@=... or \"Name\"=...) or a ; comment");
  }

  std::string ParseQuoted() {
    ++pos_;
    std::string out;
    for (;;) {
      if (pos_ >= text_.size()) Fail(line_, "a closing quote");
      const char c = text_[pos_++];
      if (c == '"') return out;
      if (IsControl(c)) Fail(line_, "control characters inside quotes to be written as escapes");
      out += c == '\\' ? ParseEscape() : c;
    }
  }

  char ParseEscape() {
    const char c = Peek();
    ++pos_;
    switch (c) {
      case '\\':
      case '"':
        return c;
      case 'n':
        return '\n';
      case 'r':
        return '\r';
      case 't':
        return '\t';
      case 'x':
        if (pos_ + 2 <= text_.size() && HexValue(text_[pos_]) >= 0 && HexValue(text_[pos_ + 1]) >= 0) {
          pos_ += 2;
          return static_cast<char>(HexValue(text_[pos_ - 2]) << 4 | HexValue(text_[pos_ - 1]));
        }
        break;
      default:
        break;
    }
    Fail(line_, "an escape \\\\, \\\", \\n, \\r, \\t or \\xHH after the backslash");
  }

  RegValue ParseValue() {
    if (Peek() == '"') return RegValue::Str(ParseQuoted());
    if (HasDwordPrefix()) {
      pos_ += 6;
      return RegValue::Dword(ParseHex());
    }
    Fail(line_, "a quoted string or dword:hhhhhhhh after '='");
  }

  bool HasDwordPrefix() const {
    constexpr std::string_view kPrefix = "dword:";
    if (text_.size() - pos_ < kPrefix.size()) return false;
    for (std::size_t i = 0; i < kPrefix.size(); ++i) {
      if ((text_[pos_ + i] | 0x20) != kPrefix[i]) return false;
    }
    return true;
  }

  std::uint32_t ParseHex() {
    std::uint32_t value = 0;
    int digits = 0;
    for (; pos_ < text_.size() && HexValue(text_[pos_]) >= 0; ++pos_) {
      if (++digits > 8) break;
      value = value << 4 | static_cast<std::uint32_t>(HexValue(text_[pos_]));
    }
    if (digits == 0 || digits > 8) Fail(line_, "1 to 8 hexadecimal digits after dword:");
    return value;
  }

  std::string_view text_;
  int line_;
  std::size_t pos_ = 0;
};

// "[path]": creates the key and returns its path.
std::string ParseKeyLine(RegistryTree& tree, std::string_view line, int number) {
  if (line.size() < 2 || line.back() != ']') Fail(number, "']' at the end of the key line");
  std::string path(line.substr(1, line.size() - 2));
  try {
    tree.CreateKey(path);
  } catch (const RegistryError& e) {
    throw RegistryError("line " + std::to_string(number) + ": " + e.what(), number);
  }
  return path;
}

std::string Quote(std::string_view s) {
  std::string out = "\"";
  for (const char c : s) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (IsControl(c)) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
          out += buf;
        } else {
          out += c;
        }
    }
  }
  return out + '"';
}

std::string ValueText(const RegValue& value) {
  if (value.kind == RegValue::Kind::String) return Quote(value.text);
  char buf[16];
  std::snprintf(buf, sizeof buf, "dword:%08X", static_cast<unsigned>(value.number));
  return buf;
}

}  // namespace

RegistryTree RegistryTree::Parse(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  RegistryTree tree;
  std::string key;
  int number = 0;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = TrimBlanks(line);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      key = ParseKeyLine(tree, line, number);
      continue;
    }
    if (key.empty()) Fail(number, "a [key] line before the first value");
    auto [name, value] = ValueLine(line, number).Parse();
    if (tree.GetValue(key, name)) Fail(number, "each value name once in a key (" + Quote(name) + " appears again)");
    tree.SetValue(key, name, std::move(value));
  }
  return tree;
}

std::string RegistryTree::Serialize() const {
  std::string out(kHeader);
  for (const Key& key : keys_) {
    out += "\n[" + key.path + "]\n";
    for (const auto& [name, value] : key.values) {
      out += (name.empty() ? std::string("@") : Quote(name)) + "=" + ValueText(value) + "\n";
    }
  }
  return out;
}

}  // namespace kelvo::com

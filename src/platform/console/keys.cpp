#include "platform/console/keys.h"

#include <array>
#include <utility>

#include "platform/console/word_rules.h"

namespace kelvo::console {
namespace {

constexpr std::array<std::pair<std::string_view, std::int16_t>, 15> kKeyNames = {{
    {"left", 37}, {"right", 39}, {"up", 38}, {"down", 40}, {"home", 36}, {"end", 35}, {"insert", 45},
    {"delete", 46}, {"backspace", 8}, {"enter", 13}, {"escape", 27}, {"tab", 9}, {"space", 32},
    {"shift", 16}, {"control", 17},
}};

constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;

// Punctuation keys of a US layout: code, character, shifted character.
struct PunctuationKey {
  int code;
  char plain;
  char shifted;
};
constexpr std::array<PunctuationKey, 11> kPunctuation = {{
    {186, ';', ':'}, {187, '=', '+'}, {188, ',', '<'}, {189, '-', '_'}, {190, '.', '>'}, {191, '/', '?'},
    {192, '`', '~'}, {219, '[', '{'}, {220, '\\', '|'}, {221, ']', '}'}, {222, '\'', '"'},
}};

// The numeric keypad's operator keys, 106..111 (108 is the separator key, no character).
constexpr std::array<char, 6> kKeypadOperators = {'*', '+', 0, '-', '.', '/'};

std::optional<std::int16_t> Char(char c) { return static_cast<std::int16_t>(static_cast<unsigned char>(c)); }

std::optional<std::int16_t> LetterOrDigit(int code, int shift) {
  if (code >= 'A' && code <= 'Z') {
    if (shift & kCtrl) return static_cast<std::int16_t>(code - 'A' + 1);
    return static_cast<std::int16_t>((shift & kShift) ? code : code - 'A' + 'a');
  }
  if (code >= '0' && code <= '9') {
    if (shift & kCtrl) return std::nullopt;
    static constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";
    return (shift & kShift) ? Char(kShiftedDigits[static_cast<std::size_t>(code - '0')])
                            : static_cast<std::int16_t>(code);
  }
  return std::nullopt;
}

std::optional<std::int16_t> KeypadOrPunctuation(int code, int shift) {
  if (code >= 96 && code <= 105) return static_cast<std::int16_t>('0' + code - 96);
  if (code >= 106 && code <= 111) {
    const char c = kKeypadOperators[static_cast<std::size_t>(code - 106)];
    return c != 0 ? Char(c) : std::nullopt;
  }
  if (shift & kCtrl) return std::nullopt;
  for (const auto& key : kPunctuation)
    if (key.code == code) return Char((shift & kShift) ? key.shifted : key.plain);
  return std::nullopt;
}

}  // namespace

std::optional<std::int16_t> KeyCodeFromName(std::string_view name) {
  const std::string lower = AsciiLower(name);
  for (const auto& [keyName, code] : kKeyNames)
    if (keyName == lower) return code;
  return std::nullopt;
}

std::optional<std::int16_t> CharacterOfKey(int code, int shift) {
  if (shift & kAlt) return std::nullopt;
  switch (code) {
    case 8: case 9: case 13: case 27: case 32:
      return static_cast<std::int16_t>(code);
    default:
      break;
  }
  if (auto c = LetterOrDigit(code, shift)) return c;
  return KeypadOrPunctuation(code, shift);
}

}  // namespace kelvo::console

#include "platform/gfx/builtin_glyphs.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kelvo::gfx::builtin {
namespace {

// The glyph art of the built-in font, designed for this platform and not
// taken from any other font ('#' ink, '.' paper). Each strip is a header line
// ("=" then the characters, as themselves or as U+ and four hex digits) followed by nine art
// rows: rows 0..6 are the capital height (cell rows 3..9), rows 7..8 the
// descender (cell rows 10..11). Within a row, glyphs are separated by blanks;
// a glyph's width is its number of columns.
constexpr std::string_view kSheet = R"(
= U+0020 ! " # $ % & ' ( )
...  #  #.#  .#.#.  ..#..  ##...  .##..  #  ..#  #..
...  #  #.#  .#.#.  .####  ##..#  #..#.  #  .#.  .#.
...  #  ...  #####  #.#..  ...#.  #.#..  .  #..  ..#
...  #  ...  .#.#.  .###.  ..#..  .#...  .  #..  ..#
...  #  ...  #####  ..#.#  .#...  #.#.#  .  #..  ..#
...  .  ...  .#.#.  ####.  #..##  #..#.  .  .#.  .#.
...  #  ...  .#.#.  ..#..  ...##  .##.#  .  ..#  #..
...  .  ...  .....  .....  .....  .....  .  ...  ...
...  .  ...  .....  .....  .....  .....  .  ...  ...
= * + , - . / : ; < =
.....  .....  ..  ....  .  ....#  .  ..  ...#  .....
..#..  ..#..  ..  ....  .  ...#.  .  ..  ..#.  .....
#.#.#  ..#..  ..  ....  .  ...#.  #  .#  .#..  #####
.###.  #####  ..  ####  .  ..#..  .  ..  #...  .....
#.#.#  ..#..  ..  ....  .  .#...  .  ..  .#..  #####
..#..  ..#..  .#  ....  .  .#...  .  .#  ..#.  .....
.....  .....  .#  ....  #  #....  #  .#  ...#  .....
.....  .....  #.  ....  .  .....  .  #.  ....  .....
.....  .....  ..  ....  .  .....  .  ..  ....  .....
= > ? @ 0 1 2 3 4 5 6
#...  .###.  .###.  .###.  ..#..  .###.  #####  ...#.  #####  ..##.
.#..  #...#  #...#  #...#  .##..  #...#  ...#.  ..##.  #....  .#...
..#.  ....#  #.###  #..##  ..#..  ....#  ..#..  .#.#.  ####.  #....
...#  ...#.  #.#.#  #.#.#  ..#..  ...#.  ...#.  #..#.  ....#  ####.
..#.  ..#..  #.###  ##..#  ..#..  ..#..  ....#  #####  ....#  #...#
.#..  .....  #....  #...#  ..#..  .#...  #...#  ...#.  #...#  #...#
#...  ..#..  .###.  .###.  .###.  #####  .###.  ...#.  .###.  .###.
....  .....  .....  .....  .....  .....  .....  .....  .....  .....
....  .....  .....  .....  .....  .....  .....  .....  .....  .....
= 7 8 9 A B C D E F G
#####  .###.  .###.  .###.  ####.  .###.  ####.  #####  #####  .###.
....#  #...#  #...#  #...#  #...#  #...#  #...#  #....  #....  #...#
...#.  #...#  #...#  #...#  #...#  #....  #...#  #....  #....  #....
..#..  .###.  .####  #####  ####.  #....  #...#  ####.  ####.  #.###
.#...  #...#  ....#  #...#  #...#  #....  #...#  #....  #....  #...#
.#...  #...#  ...#.  #...#  #...#  #...#  #...#  #....  #....  #...#
.#...  .###.  .##..  #...#  ####.  .###.  ####.  #####  #....  .####
.....  .....  .....  .....  .....  .....  .....  .....  .....  .....
.....  .....  .....  .....  .....  .....  .....  .....  .....  .....
= H I J K L M N O P Q
#...#  ###  ..###  #...#  #....  #...#  #...#  .###.  ####.  .###.
#...#  .#.  ...#.  #..#.  #....  ##.##  #...#  #...#  #...#  #...#
#...#  .#.  ...#.  #.#..  #....  #.#.#  ##..#  #...#  #...#  #...#
#####  .#.  ...#.  ##...  #....  #.#.#  #.#.#  #...#  ####.  #...#
#...#  .#.  ...#.  #.#..  #....  #...#  #..##  #...#  #....  #.#.#
#...#  .#.  #..#.  #..#.  #....  #...#  #...#  #...#  #....  #..#.
#...#  ###  .##..  #...#  #####  #...#  #...#  .###.  #....  .##.#
.....  ...  .....  .....  .....  .....  .....  .....  .....  .....
.....  ...  .....  .....  .....  .....  .....  .....  .....  .....
= R S T U V W X Y Z [
####.  .####  #####  #...#  #...#  #...#  #...#  #...#  #####  ###
#...#  #....  ..#..  #...#  #...#  #...#  #...#  #...#  ....#  #..
#...#  #....  ..#..  #...#  #...#  #...#  .#.#.  .#.#.  ...#.  #..
####.  .###.  ..#..  #...#  #...#  #.#.#  ..#..  ..#..  ..#..  #..
#.#..  ....#  ..#..  #...#  #...#  #.#.#  .#.#.  ..#..  .#...  #..
#..#.  ....#  ..#..  #...#  .#.#.  #.#.#  #...#  ..#..  #....  #..
#...#  ####.  ..#..  .###.  ..#..  .#.#.  #...#  ..#..  #####  ###
.....  .....  .....  .....  .....  .....  .....  .....  .....  ...
.....  .....  .....  .....  .....  .....  .....  .....  .....  ...
= \ ] ^ _ ` a b c d e
#....  ###  ..#..  .....  #.  .....  #....  ....  ....#  .....
.#...  ..#  .#.#.  .....  .#  .....  #....  ....  ....#  .....
.#...  ..#  #...#  .....  ..  .###.  #.##.  .###  .##.#  .###.
..#..  ..#  .....  .....  ..  ....#  ##..#  #...  #..##  #...#
...#.  ..#  .....  .....  ..  .####  #...#  #...  #...#  #####
...#.  ..#  .....  .....  ..  #...#  #...#  #...  #...#  #....
....#  ###  .....  .....  ..  .####  ####.  .###  .####  .###.
.....  ...  .....  #####  ..  .....  .....  ....  .....  .....
.....  ...  .....  .....  ..  .....  .....  ....  .....  .....
= f g h i j k l m n o
..##  .....  #....  #  ..#  #...  #  .....  .....  .....
.#..  .....  #....  .  ...  #...  #  .....  .....  .....
.#..  .####  #.##.  #  ..#  #..#  #  ##.#.  #.##.  .###.
####  #...#  ##..#  #  ..#  #.#.  #  #.#.#  ##..#  #...#
.#..  #...#  #...#  #  ..#  ##..  #  #.#.#  #...#  #...#
.#..  #...#  #...#  #  ..#  #.#.  #  #.#.#  #...#  #...#
.#..  .####  #...#  #  ..#  #..#  #  #.#.#  #...#  .###.
....  ....#  .....  .  #.#  ....  .  .....  .....  .....
....  .###.  .....  .  .#.  ....  .  .....  .....  .....
= p q r s t u v w x y
.....  .....  ....  ....  .#..  .....  .....  .....  .....  .....
.....  .....  ....  ....  .#..  .....  .....  .....  .....  .....
####.  .####  #.##  .###  ####  #...#  #...#  #...#  #...#  #...#
#...#  #...#  ##..  #...  .#..  #...#  #...#  #...#  .#.#.  #...#
#...#  #...#  #...  .##.  .#..  #...#  #...#  #.#.#  ..#..  #...#
#...#  #...#  #...  ...#  .#..  #..##  .#.#.  #.#.#  .#.#.  #...#
####.  .####  #...  ###.  ..##  .##.#  ..#..  .#.#.  #...#  .####
#....  ....#  ....  ....  ....  .....  .....  .....  .....  ....#
#....  ....#  ....  ....  ....  .....  .....  .....  .....  .###.
= z { | } ~ U+00A0 U+00A1 U+00A2 U+00A3 U+00A4
.....  ..#  #  #..  .....  ...  .  ..#..  ..##.  .....
.....  .#.  #  .#.  .....  ...  .  .####  .#..#  #...#
#####  .#.  #  .#.  .#...  ...  #  #.#..  .#...  .###.
...#.  #..  #  ..#  #.#.#  ...  .  #.#..  ###..  .#.#.
..#..  .#.  #  .#.  ...#.  ...  #  #.#..  .#...  .###.
.#...  .#.  #  .#.  .....  ...  #  .####  .#...  #...#
#####  ..#  #  #..  .....  ...  #  ..#..  #####  .....
.....  ...  #  ...  .....  ...  #  .....  .....  .....
.....  ...  .  ...  .....  ...  #  .....  .....  .....
= U+00A5 U+00A6 U+00A7 U+00A8 U+00A9 U+00AA U+00AB U+00AC U+00AD U+00AE
#...#  #  .###  #.#  .#####.  .##.  .....  .....  ....  .#####.
.#.#.  #  #...  ...  #.....#  ...#  .....  .....  ....  #.....#
..#..  #  .##.  ...  #.###.#  .###  ..#.#  .....  ....  #.##..#
#####  .  #..#  ...  #.#...#  #..#  .#.#.  #####  ####  #.#.#.#
..#..  #  .##.  ...  #.###.#  .###  #.#..  ....#  ....  #.##..#
#####  #  ...#  ...  #.....#  ....  .#.#.  .....  ....  #.#.#.#
..#..  #  ###.  ...  .#####.  ####  ..#.#  .....  ....  .#####.
.....  .  ....  ...  .......  ....  .....  .....  ....  .......
.....  .  ....  ...  .......  ....  .....  .....  ....  .......
= U+00AF U+00B0 U+00B1 U+00B2 U+00B3 U+00B4 U+00B5 U+00B6 U+00B7 U+00B8
#####  .##.  ..#..  ##.  ###  .#  .....  .####  .  ..
.....  #..#  ..#..  ..#  ..#  #.  .....  ###.#  .  ..
.....  #..#  #####  .#.  .##  ..  #...#  ###.#  .  ..
.....  .##.  ..#..  #..  ..#  ..  #...#  .##.#  #  ..
.....  ....  ..#..  ###  ###  ..  #...#  ..#.#  .  ..
.....  ....  .....  ...  ...  ..  ##..#  ..#.#  .  ..
.....  ....  #####  ...  ...  ..  #.##.  ..#.#  .  ..
.....  ....  .....  ...  ...  ..  #....  .....  .  .#
.....  ....  .....  ...  ...  ..  #....  .....  .  #.
= U+00B9 U+00BA U+00BB U+00BC U+00BD U+00BE U+00BF U+00C6 U+00D0 U+00D7
.#.  .##.  .....  ##....#  ##....#  ###...#  ..#..  .######  ####.  .....
##.  #..#  .....  .#...#.  .#...#.  .##..#.  .....  #..#...  .#..#  #...#
.#.  #..#  #.#..  .#..#..  .#..#..  ###.#..  ..#..  #..#...  .#..#  .#.#.
.#.  .##.  .#.#.  ...##.#  ...###.  ...##.#  .#...  ######.  ###.#  ..#..
###  ....  ..#.#  ..#.###  ..#...#  ..#.###  #....  #..#...  .#..#  .#.#.
...  ####  .#.#.  .#....#  .#...#.  .#....#  #...#  #..#...  .#..#  #...#
...  ....  #.#..  #.....#  #...###  #.....#  .###.  #..####  ####.  .....
...  ....  .....  .......  .......  .......  .....  .......  .....  .....
...  ....  .....  .......  .......  .......  .....  .......  .....  .....
= U+00D8 U+00DE U+00DF U+00E6 U+00F0 U+00F7 U+00F8 U+00FE U+0131 U+0152
.####  #....  .##..  .......  .#.#.  .....  .....  #....  .  .######
#..##  ####.  #..#.  .......  ..#..  ..#..  .....  #....  .  #..#...
#.#.#  #...#  #..#.  .##.##.  .#.#.  .....  .####  ####.  #  #..#...
#.#.#  #...#  #.#..  ...#..#  .####  #####  #..##  #...#  #  #..####
#.#.#  ####.  #..#.  .######  #...#  .....  #.#.#  #...#  #  #..#...
##..#  #....  #...#  #..#...  #...#  ..#..  ##..#  #...#  #  #..#...
####.  #....  #.##.  .##.###  .###.  .....  ####.  ####.  #  .######
.....  .....  .....  .......  .....  .....  .....  #....  .  .......
.....  .....  .....  .......  .....  .....  .....  #....  .  .......
= U+0153 U+20AC U+201A U+201E U+2026 U+2018 U+2019 U+201C U+201D U+2022
.......  ..###  ..  ....  .....  .#  .#  .#.#  .#.#  ...
.......  .#...  ..  ....  .....  #.  .#  #.#.  .#.#  ...
.##.##.  ####.  ..  ....  .....  #.  #.  #.#.  #.#.  .#.
#..#..#  .#...  ..  ....  .....  ..  ..  ....  ....  ###
#..####  ####.  ..  ....  .....  ..  ..  ....  ....  .#.
#..#...  .#...  .#  .#.#  .....  ..  ..  ....  ....  ...
.##.###  ..###  .#  .#.#  #.#.#  ..  ..  ....  ....  ...
.......  .....  #.  #.#.  .....  ..  ..  ....  ....  ...
.......  .....  ..  ....  .....  ..  ..  ....  ....  ...
= U+2013 U+2014 U+2039 U+203A
.....  .......  ...  ...
.....  .......  ...  ...
.....  .......  ..#  #..
#####  #######  .#.  .#.
.....  .......  #..  ..#
.....  .......  .#.  .#.
.....  .......  ..#  #..
.....  .......  ...  ...
.....  .......  ...  ...
)";

// The art rows start at this cell row.
constexpr int kArtTop = 3;
constexpr int kArtRows = 9;

enum class Accent : std::uint8_t { Grave, Acute, Circumflex, Tilde, Diaeresis, Ring, Caron, Cedilla };

struct AccentArt {
  std::vector<std::string_view> rows;
  bool below = false;  // under the baseline instead of above the letter
};

AccentArt ArtOf(Accent accent) {
  switch (accent) {
    case Accent::Grave: return {{"#.", ".#"}};
    case Accent::Acute: return {{".#", "#."}};
    case Accent::Circumflex: return {{".#.", "#.#"}};
    case Accent::Tilde: return {{".#.#", "#.#."}};
    case Accent::Diaeresis: return {{"...", "#.#"}};
    case Accent::Ring: return {{".#.", "#.#", ".#."}};
    case Accent::Caron: return {{"#.#", ".#."}};
    case Accent::Cedilla: return {{".#", "#."}, true};
  }
  return {};
}

// Accented letters: the base letter with an accent mark.
struct Composite {
  char16_t code;
  char16_t base;
  Accent accent;
};

constexpr Composite kComposites[] = {
    {0xC0, u'A', Accent::Grave},     {0xC1, u'A', Accent::Acute},     {0xC2, u'A', Accent::Circumflex},
    {0xC3, u'A', Accent::Tilde},     {0xC4, u'A', Accent::Diaeresis}, {0xC5, u'A', Accent::Ring},
    {0xC7, u'C', Accent::Cedilla},   {0xC8, u'E', Accent::Grave},     {0xC9, u'E', Accent::Acute},
    {0xCA, u'E', Accent::Circumflex}, {0xCB, u'E', Accent::Diaeresis}, {0xCC, u'I', Accent::Grave},
    {0xCD, u'I', Accent::Acute},     {0xCE, u'I', Accent::Circumflex}, {0xCF, u'I', Accent::Diaeresis},
    {0xD1, u'N', Accent::Tilde},     {0xD2, u'O', Accent::Grave},     {0xD3, u'O', Accent::Acute},
    {0xD4, u'O', Accent::Circumflex}, {0xD5, u'O', Accent::Tilde},    {0xD6, u'O', Accent::Diaeresis},
    {0xD9, u'U', Accent::Grave},     {0xDA, u'U', Accent::Acute},     {0xDB, u'U', Accent::Circumflex},
    {0xDC, u'U', Accent::Diaeresis}, {0xDD, u'Y', Accent::Acute},     {0xE0, u'a', Accent::Grave},
    {0xE1, u'a', Accent::Acute},     {0xE2, u'a', Accent::Circumflex}, {0xE3, u'a', Accent::Tilde},
    {0xE4, u'a', Accent::Diaeresis}, {0xE5, u'a', Accent::Ring},      {0xE7, u'c', Accent::Cedilla},
    {0xE8, u'e', Accent::Grave},     {0xE9, u'e', Accent::Acute},     {0xEA, u'e', Accent::Circumflex},
    {0xEB, u'e', Accent::Diaeresis}, {0xEC, 0x131, Accent::Grave},    {0xED, 0x131, Accent::Acute},
    {0xEE, 0x131, Accent::Circumflex}, {0xEF, 0x131, Accent::Diaeresis}, {0xF1, u'n', Accent::Tilde},
    {0xF2, u'o', Accent::Grave},     {0xF3, u'o', Accent::Acute},     {0xF4, u'o', Accent::Circumflex},
    {0xF5, u'o', Accent::Tilde},     {0xF6, u'o', Accent::Diaeresis}, {0xF9, u'u', Accent::Grave},
    {0xFA, u'u', Accent::Acute},     {0xFB, u'u', Accent::Circumflex}, {0xFC, u'u', Accent::Diaeresis},
    {0xFD, u'y', Accent::Acute},     {0xFF, u'y', Accent::Diaeresis}, {0x160, u'S', Accent::Caron},
    {0x161, u's', Accent::Caron},    {0x178, u'Y', Accent::Diaeresis}, {0x17D, u'Z', Accent::Caron},
    {0x17E, u'z', Accent::Caron},
};

using GlyphMap = std::unordered_map<char16_t, Glyph>;

[[noreturn]] void SheetFault(const std::string& what) { throw std::logic_error("built-in font sheet: " + what); }

char16_t ParseCharToken(std::string_view token) {
  if (token.size() == 1) return static_cast<char16_t>(token[0]);
  if (token.size() == 6 && token.substr(0, 2) == "U+") {
    return static_cast<char16_t>(std::stoul(std::string(token.substr(2)), nullptr, 16));
  }
  SheetFault("bad character token '" + std::string(token) + "'");
}

std::vector<std::string> Tokens(std::string_view line) {
  std::istringstream in{std::string(line)};
  std::vector<std::string> out;
  for (std::string t; in >> t;) out.push_back(t);
  return out;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> out;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const auto line = text.substr(0, end);
    if (!line.empty()) out.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return out;
}

void InkRow(Glyph& glyph, int cellRow, int column, std::string_view art) {
  for (std::size_t c = 0; c < art.size(); ++c) {
    if (art[c] == '#') glyph.rows[static_cast<std::size_t>(cellRow)] |= static_cast<std::uint16_t>(1u << (column + static_cast<int>(c)));
  }
}

void ParseStrip(GlyphMap& glyphs, const std::vector<std::string_view>& lines, std::size_t header) {
  const auto chars = Tokens(lines[header].substr(1));
  std::vector<Glyph> strip(chars.size());
  for (int row = 0; row < kArtRows; ++row) {
    const std::size_t index = header + 1 + static_cast<std::size_t>(row);
    if (index >= lines.size()) SheetFault("strip '" + std::string(lines[header]) + "' is short");
    const auto art = Tokens(lines[index]);
    if (art.size() != chars.size()) SheetFault("row '" + std::string(lines[index]) + "' has the wrong glyph count");
    for (std::size_t g = 0; g < art.size(); ++g) {
      if (row == 0) strip[g].width = static_cast<int>(art[g].size());
      if (static_cast<int>(art[g].size()) != strip[g].width) SheetFault("ragged glyph '" + chars[g] + "'");
      InkRow(strip[g], kArtTop + row, 0, art[g]);
    }
  }
  for (std::size_t g = 0; g < chars.size(); ++g) glyphs[ParseCharToken(chars[g])] = strip[g];
}

GlyphMap ParseSheet() {
  GlyphMap glyphs;
  const auto lines = Lines(kSheet);
  for (std::size_t i = 0; i < lines.size(); i += kArtRows + 1) {
    if (lines[i].front() != '=') SheetFault("expected a strip header, got '" + std::string(lines[i]) + "'");
    ParseStrip(glyphs, lines, i);
  }
  return glyphs;
}

bool IsLowerCase(char16_t base) { return (base >= u'a' && base <= u'z') || base == 0x131; }

Glyph Compose(const Glyph& base, char16_t baseChar, Accent accent) {
  const AccentArt art = ArtOf(accent);
  const int accentWidth = static_cast<int>(art.rows.front().size());
  Glyph out;
  out.width = std::max(base.width, accentWidth);
  const int baseShift = (out.width - base.width) / 2;
  for (std::size_t r = 0; r < out.rows.size(); ++r) out.rows[r] = static_cast<std::uint16_t>(base.rows[r] << baseShift);
  const int top = art.below ? kAscent : (IsLowerCase(baseChar) ? 2 : 0);
  const int column = (out.width - accentWidth) / 2;
  for (std::size_t r = 0; r < art.rows.size(); ++r) InkRow(out, top + static_cast<int>(r), column, art.rows[r]);
  return out;
}

GlyphMap BuildFont() {
  GlyphMap glyphs = ParseSheet();
  for (const Composite& c : kComposites) {
    const auto base = glyphs.find(c.base);
    if (base == glyphs.end()) SheetFault("no base letter for an accented letter");
    glyphs[c.code] = Compose(base->second, c.base, c.accent);
  }
  return glyphs;
}

}  // namespace

const Glyph* FindGlyph(char16_t ch) {
  static const GlyphMap glyphs = BuildFont();
  const auto it = glyphs.find(ch);
  return it == glyphs.end() ? nullptr : &it->second;
}

}  // namespace kelvo::gfx::builtin

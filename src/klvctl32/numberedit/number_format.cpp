#include "klvctl32/numberedit/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace kelvo::klvctl32 {

namespace {

// 1-based position of sep in text, 0 when absent.
int Position(std::u16string_view text, std::u16string_view sep) {
  if (sep.empty()) return 0;
  const std::size_t p = text.find(sep);
  return p == std::u16string_view::npos ? 0 : static_cast<int>(p) + 1;
}

// At most count characters from 1-based position start on.
std::u16string_view MidView(std::u16string_view text, int start, int count) {
  const auto from = static_cast<std::size_t>(std::max(start, 1) - 1);
  if (from >= text.size() || count <= 0) return {};
  return text.substr(from, static_cast<std::size_t>(count));
}

std::u16string Mid(std::u16string_view text, int start, int count) {
  return std::u16string(MidView(text, start, count));
}

std::u16string Left(std::u16string_view text, int count) { return Mid(text, 1, count); }

// Appends digits, a leading minus kept in front, with the thousands separator
// between groups of three counted from the right.
void AppendGrouped(const NumberEditState& s, std::u16string_view digits, std::u16string& out) {
  if (digits.starts_with(u'-')) {
    out += u'-';
    digits.remove_prefix(1);
  }
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += s.ThSepChar;
    out += digits[i];
  }
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Sign, digits, one point with digits and an exponent, blanks skipped, up to
// the first other character; the pieces go into an ASCII number for strtod.
double NumericPrefix(std::u16string_view text) {
  std::string number;
  bool digits = false, point = false, exponent = false, expDigits = false;
  std::size_t expAt = 0;
  for (const char16_t c : text) {
    if (IsBlank(c)) continue;
    const bool atStart = number.empty();
    const bool afterE = exponent && number.size() == expAt + 1;
    if ((c == u'+' || c == u'-') && (atStart || afterE)) {
      number += static_cast<char>(c);
    } else if (IsDigit(c)) {
      number += static_cast<char>(c);
      (exponent ? expDigits : digits) = true;
    } else if (c == u'.' && !point && !exponent) {
      number += '.';
      point = true;
    } else if ((c == u'E' || c == u'e' || c == u'D' || c == u'd') && digits && !exponent) {
      expAt = number.size();
      number += 'e';
      exponent = true;
    } else {
      break;
    }
  }
  if (!digits) return 0;
  if (exponent && !expDigits) number.resize(expAt);
  const double value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(value) && value != 0 ? value : 0;
}

}  // namespace

int IntDigits(const NumberEditState& s) { return std::max<int>(s.IntMaxLength, 0); }
int DecPlaces(const NumberEditState& s) { return std::max<int>(s.DecMaxLength, 0); }

std::u16string ZeroText(const NumberEditState& s) {
  if (DecPlaces(s) < 1) return u"0";
  return u"0" + s.DecSepChar + std::u16string(static_cast<std::size_t>(DecPlaces(s)), u'0');
}

void ApplyNumberFormat(NumberEditState& s) {
  if (s.NumberFormat == BrazilFormat) {
    s.ThSepChar = u".";
    s.DecSepChar = u",";
  } else if (s.NumberFormat == USFormat) {
    s.ThSepChar = u",";
    s.DecSepChar = u".";
  }
}

double ParseNumberText(const NumberEditState& s, std::u16string_view text) {
  return ParseNumberPrefix(text, s.DecSepChar);
}

double ParseNumberPrefix(std::u16string_view text, std::u16string_view point) {
  const int p = Position(text, point);
  if (p == 0) return NumericPrefix(text);
  std::u16string number = Left(text, p - 1);
  const std::u16string decimals = Mid(text, p + static_cast<int>(point.size()), static_cast<int>(text.size()));
  if (!decimals.empty()) number += u"." + decimals;
  return NumericPrefix(number);
}

std::u16string AssignNumberText(NumberEditState& s, std::u16string_view text) {
  const int p = Position(text, u".");
  s.Text = p > 0 ? Left(text, p - 1) + s.DecSepChar + Mid(text, p + 1, DecPlaces(s)) : std::u16string(text);
  return NormalizeNumberText(s);
}

std::u16string NormalizeNumberText(NumberEditState& s) {
  const std::u16string& sep = s.DecSepChar;
  if (s.Text == u"-" + sep || s.Text == u"-" || s.Text == sep) s.Text = ZeroText(s);
  std::u16string r = s.Text;
  const int d = DecPlaces(s);
  if (d > 0) {
    const int p = Position(s.Text, sep);
    const int after = p + static_cast<int>(sep.size());
    if (p == 0) {
      r = s.Text + sep + std::u16string(static_cast<std::size_t>(d), u'0');
    } else if (p == 1) {
      r = u"0" + sep + Mid(s.Text, after, d);
    } else if (p == 2 && s.Text.starts_with(u'-')) {
      r = u"-0" + sep + Mid(s.Text, after, d);
    }
    const int following = static_cast<int>(s.Text.size()) - (after - 1);
    if (p > 0 && following < d) r.append(static_cast<std::size_t>(d - following), u'0');
  }
  if (ParseNumberText(s, s.Text) == 0) {
    s.Text = ZeroText(s);
    r = s.Text;
  }
  return r;
}

std::u16string GroupThousands(const NumberEditState& s, std::u16string_view digits) {
  std::u16string grouped;
  AppendGrouped(s, digits, grouped);
  return grouped;
}

// Built in one string: this runs on every keystroke's repaint.
std::u16string FormatNumberForDisplay(NumberEditState& s, std::u16string_view text, bool normalize) {
  if (normalize) {
    s.Text = NormalizeNumberText(s);
    text = s.Text;
  }
  if (!s.ThSeparator) return s.Text;
  std::u16string shown;
  shown.reserve(text.size() * 4 / 3 + s.DecSepChar.size() + 2);
  const int p = Position(text, s.DecSepChar);
  if (p == 0) {
    AppendGrouped(s, text, shown);
    return shown;
  }
  AppendGrouped(s, MidView(text, 1, p - 1), shown);
  shown += s.DecSepChar;
  shown += MidView(text, p + static_cast<int>(s.DecSepChar.size()), DecPlaces(s));
  return shown;
}

std::u16string ValueNotation(double value) {
  if (!std::isfinite(value) || value == 0) return u"0";
  // 15 significant digits as d.dddddddddddddde±x, then written out in plain
  // digits around the point. Near the largest Double, 15 digits round past
  // it; 17 digits stay below and still read back.
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
  if (!std::isfinite(std::strtod(buf, nullptr))) std::snprintf(buf, sizeof buf, "%.16e", std::fabs(value));
  std::string digits;
  const char* c = buf;
  for (; *c != 'e'; ++c) {
    if (*c != '.') digits += *c;
  }
  const int exponent = std::atoi(c + 1);
  digits.erase(digits.find_last_not_of('0') + 1);
  std::string plain;
  if (exponent >= 0) {
    const auto intLen = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() < intLen) digits.append(intLen - digits.size(), '0');
    plain = digits.substr(0, intLen);
    if (digits.size() > intLen) plain += "." + digits.substr(intLen);
  } else {
    plain = "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  if (value < 0) plain.insert(0, "-");
  return std::u16string(plain.begin(), plain.end());
}

}  // namespace kelvo::klvctl32

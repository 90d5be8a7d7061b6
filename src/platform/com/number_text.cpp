// The runtime's number <-> string conversions: ParseNumber, FormatDouble,
// FormatSingle. Both directions use the system decimal separator and never
// the C library's locale.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

#include "platform/base/environment.h"
#include "platform/com/error.h"
#include "platform/com/variant.h"

namespace kelvo::com {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::u16string_view TrimBlanks(std::u16string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

int DigitValue(char16_t c) {
  if (IsDigit(c)) return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return 99;
}

// "&HFFFF", "&O17", "&H8000000F&": up to 16 bits without the trailing "&" is an
// Integer (so &HFFFF is -1), otherwise a Long; more than 32 bits overflows.
double ParseRadixLiteral(std::u16string_view s) {
  const char16_t kind = s[1];
  const int radix = (kind == u'H' || kind == u'h') ? 16 : (kind == u'O' || kind == u'o') ? 8 : 0;
  if (radix == 0) throw Error(err::kTypeMismatch);
  std::u16string_view digits = s.substr(2);
  const bool longSuffix = !digits.empty() && digits.back() == u'&';
  if (longSuffix) digits.remove_suffix(1);
  if (digits.empty()) throw Error(err::kTypeMismatch);
  std::uint64_t value = 0;
  for (char16_t c : digits) {
    const int d = DigitValue(c);
    if (d >= radix) throw Error(err::kTypeMismatch);
    value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(d);
    if (value > 0xFFFFFFFFu) throw Error(err::kOverflow);
  }
  if (!longSuffix && value <= 0xFFFFu) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// A decimal number split into its parts, as ASCII text for std::from_chars.
struct DecimalText {
  std::string ascii;
  long order = 0;  // decimal exponent of the first significant digit
};

// Exponents beyond this are out of range whatever the mantissa.
constexpr long kExponentLimit = 1'000'000;

// [sign] digits [separator digits] [E [sign] digits], at least one mantissa digit.
DecimalText SplitDecimal(std::u16string_view s) {
  DecimalText out;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
    if (s[i] == u'-') out.ascii += '-';
    ++i;
  }
  long integerDigits = 0;
  long leadingFractionZeros = 0;
  bool significant = false;
  std::size_t mantissaDigits = 0;
  for (; i < s.size() && IsDigit(s[i]); ++i, ++mantissaDigits) {
    out.ascii += static_cast<char>(s[i]);
    if (s[i] != u'0') significant = true;
    if (significant) ++integerDigits;
  }
  if (i < s.size() && s[i] == env::DecimalSeparator()) {
    out.ascii += '.';
    for (++i; i < s.size() && IsDigit(s[i]); ++i, ++mantissaDigits) {
      out.ascii += static_cast<char>(s[i]);
      if (s[i] != u'0') significant = true;
      if (!significant) ++leadingFractionZeros;
    }
  }
  if (mantissaDigits == 0) throw Error(err::kTypeMismatch);
  long exponent = 0;
  bool negativeExponent = false;
  if (i < s.size() && (s[i] == u'E' || s[i] == u'e')) {
    out.ascii += 'e';
    ++i;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
      negativeExponent = s[i] == u'-';
      out.ascii += static_cast<char>(s[i]);
      ++i;
    }
    const std::size_t first = i;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
      out.ascii += static_cast<char>(s[i]);
      exponent = std::min(exponent * 10 + (s[i] - u'0'), kExponentLimit);
    }
    if (i == first) throw Error(err::kTypeMismatch);
    if (negativeExponent) exponent = -exponent;
  }
  if (i != s.size()) throw Error(err::kTypeMismatch);
  out.order = (integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1)) + exponent;
  return out;
}

double ParseDecimal(std::u16string_view s) {
  const DecimalText d = SplitDecimal(s);
  double value = 0;
  const char* first = d.ascii.data();
  const char* last = first + d.ascii.size();
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec == std::errc::result_out_of_range) {
    if (d.order < 0) return d.ascii.front() == '-' ? -0.0 : 0.0;  // too small: zero
    throw Error(err::kOverflow);
  }
  if (ec != std::errc() || end != last) throw Error(err::kTypeMismatch);
  return value;
}

std::u16string Ascii(std::string_view s) { return std::u16string(s.begin(), s.end()); }

// Digits and exponent of a value rounded to `digits` significant digits.
struct Scientific {
  bool negative = false;
  std::string mantissa;  // significant digits, no trailing zeros
  int exponent = 0;
};

template <class Float>
Scientific ToScientific(Float value, int digits) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
  const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
  Scientific sci;
  std::size_t i = 0;
  if (text[i] == '-') {
    sci.negative = true;
    ++i;
  }
  for (; text[i] != 'e'; ++i) {
    if (text[i] != '.') sci.mantissa += text[i];
  }
  std::from_chars(text.data() + i + (text[i + 1] == '+' ? 2 : 1), text.data() + text.size(), sci.exponent);
  while (sci.mantissa.size() > 1 && sci.mantissa.back() == '0') sci.mantissa.pop_back();
  return sci;
}

std::u16string PlainForm(const Scientific& sci) {
  std::u16string out = sci.negative ? u"-" : u"";
  const char16_t sep = env::DecimalSeparator();
  const auto& m = sci.mantissa;
  if (sci.exponent < 0) {
    out += u'0';
    out += sep;
    out.append(static_cast<std::size_t>(-sci.exponent - 1), u'0');
    return out + Ascii(m);
  }
  const auto integerDigits = static_cast<std::size_t>(sci.exponent) + 1;
  if (m.size() <= integerDigits) return out + Ascii(m) + std::u16string(integerDigits - m.size(), u'0');
  return out + Ascii(m.substr(0, integerDigits)) + sep + Ascii(m.substr(integerDigits));
}

std::u16string ExponentForm(const Scientific& sci) {
  std::u16string out = sci.negative ? u"-" : u"";
  out += static_cast<char16_t>(sci.mantissa[0]);
  if (sci.mantissa.size() > 1) out += env::DecimalSeparator() + Ascii(sci.mantissa.substr(1));
  const int e = sci.exponent < 0 ? -sci.exponent : sci.exponent;
  out += sci.exponent < 0 ? u"E-" : u"E+";
  if (e < 10) out += u'0';
  return out + Ascii(std::to_string(e));
}

// Plain between 1E-04 and the largest number of `digits` integer digits,
// exponent form outside; non-finite values the way the runtime prints them.
template <class Float>
std::u16string FormatFloating(Float value, int digits) {
  if (std::isnan(value)) return u"-1.#IND";
  if (std::isinf(value)) return value < 0 ? u"-1.#INF" : u"1.#INF";
  const Scientific sci = ToScientific(value, digits);
  if (sci.mantissa == "0") return u"0";
  if (sci.exponent >= -4 && sci.exponent < digits) return PlainForm(sci);
  return ExponentForm(sci);
}

}  // namespace

double ParseNumber(std::u16string_view text) {
  const std::u16string_view s = TrimBlanks(text);
  if (s.size() >= 2 && s[0] == u'&') return ParseRadixLiteral(s);
  return ParseDecimal(s);
}

std::u16string FormatDouble(double value) { return FormatFloating(value, 15); }

std::u16string FormatSingle(float value) { return FormatFloating(value, 7); }

}  // namespace kelvo::com

#include "platform/console/value_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/base/text.h"
#include "platform/forms/stdobjects.h"

namespace kelvo::console {
namespace {

std::string Hex2(unsigned value) {
  char buf[3];
  std::snprintf(buf, sizeof buf, "%02X", value & 0xFFu);
  return buf;
}

// A character printed as \xHH: controls, DEL, and the code page's five C1 holes.
bool NeedsHexEscape(char16_t c) {
  if (c < 0x20 || c == 0x7F) return true;
  return c >= 0x80 && c <= 0x9F && text::FromAnsi(static_cast<std::uint8_t>(c)) == c;
}

template <class T>
std::string Shortest(T value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0) return "0";
  char buf[400];
  const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  return std::string(buf, result.ptr);
}

std::string FormatObject(const com::ComPtr<com::IDispatch>& object, const ObjectNamer& namer) {
  if (!object) return "Nothing";
  com::Variant holder = com::Variant::Object(object);
  if (auto font = forms::AsFont(holder)) return FormatFont(font->Desc());
  if (auto picture = forms::AsPicture(holder)) {
    const gfx::Image& image = picture->Picture();
    return "picture " + std::to_string(image.width()) + "x" + std::to_string(image.height());
  }
  if (namer) {
    if (auto name = namer(object.get())) return *name;
  }
  return "object";
}

}  // namespace

std::string ShowControls(std::string_view raw) {
  std::string out;
  for (const char c : raw) {
    const auto byte = static_cast<unsigned char>(c);
    out += byte < 0x20 || byte == 0x7F ? "\\x" + Hex2(byte) : std::string(1, c);
  }
  return out;
}

std::string QuoteString(std::u16string_view s) {
  std::string out = "\"";
  std::u16string run;
  auto flush = [&] {
    out += text::ToUtf8(run);
    run.clear();
  };
  for (char16_t c : s) {
    const char* escape = nullptr;
    switch (c) {
      case u'"': escape = "\"\""; break;
      case u'\\': escape = "\\\\"; break;
      case u'\n': escape = "\\n"; break;
      case u'\r': escape = "\\r"; break;
      case u'\t': escape = "\\t"; break;
      default: break;
    }
    if (escape == nullptr && !NeedsHexEscape(c)) {
      run += c;
      continue;
    }
    flush();
    out += escape != nullptr ? std::string(escape) : "\\x" + Hex2(c);
  }
  flush();
  return out + "\"";
}

std::string FormatShortest(double value) { return Shortest(value); }
std::string FormatShortest(float value) { return Shortest(value); }

std::string FormatColor(std::uint32_t color) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "&H%08X&", static_cast<unsigned>(color));
  return buf;
}

std::string FormatRgb(gfx::Rgb color) { return "#" + Hex2(color.r) + Hex2(color.g) + Hex2(color.b); }

std::string FormatFont(const gfx::FontDesc& font) {
  std::string out = "font " + QuoteString(font.name) + " " + FormatShortest(font.size);
  if (font.bold) out += " bold";
  if (font.italic) out += " italic";
  if (font.underline) out += " underline";
  return out;
}

std::string FormatValue(const com::Variant& value, com::TypeKind declared, const ObjectNamer& namer) {
  using T = com::Variant::Type;
  switch (value.type()) {
    case T::Empty: return "Empty";
    case T::Null: return "Null";
    case T::Boolean: return value.ToBoolean() ? "True" : "False";
    case T::Integer:
    case T::Long:
      if (declared == com::TypeKind::Color) return FormatColor(static_cast<std::uint32_t>(value.ToLong()));
      return std::to_string(value.ToLong());
    case T::Single: return FormatShortest(value.ToSingle());
    case T::Double: return FormatShortest(value.ToDouble());
    case T::String: return QuoteString(value.ToString());
    case T::Object: return FormatObject(value.ToObject(), namer);
  }
  return "Empty";
}

}  // namespace kelvo::console

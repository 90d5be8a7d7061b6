// The form file writer: the exact text the reader reads back into the same
// bags (a Long of a Color-typed member as &H followed by eight hex digits and &, every other number in
// decimal, strings quoted with control characters as Chr$(N)).

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

#include "platform/base/text.h"
#include "platform/forms/application.h"
#include "platform/forms/formfile.h"
#include "platform/forms/stdobjects.h"

namespace kelvo::forms {
namespace {

constexpr int kIndentWidth = 3;

bool IsColorMember(const com::InterfaceInfo* members, std::u16string_view key) {
  if (members == nullptr) return false;
  const com::MemberInfo* m = members->Find(key, com::MemberKind::PropGet);
  return m != nullptr && m->type.kind == com::TypeKind::Color;
}

std::string Quoted(std::u16string_view run) {
  std::string out = "\"";
  for (const char ch : text::ToUtf8(run)) {
    out += ch;
    if (ch == '"') out += '"';
  }
  return out + "\"";
}

// Printable runs in quotes, characters below 32 as Chr$(N), joined by &.
std::string StringExpression(std::u16string_view s) {
  if (s.empty()) return "\"\"";
  std::string out;
  std::size_t i = 0;
  while (i < s.size()) {
    if (!out.empty()) out += " & ";
    if (s[i] < 32) {
      out += "Chr$(" + std::to_string(static_cast<int>(s[i])) + ")";
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < s.size() && s[j] >= 32) ++j;
    out += Quoted(s.substr(i, j - i));
    i = j;
  }
  return out;
}

template <class Float>
std::string ShortestDecimal(Float v, std::u16string_view key, const std::string& fileName) {
  if (!std::isfinite(v)) {
    throw FormFileError(fileName, 0, "cannot write " + text::ToUtf8(key) + ": not a finite number");
  }
  std::array<char, 64> buf{};
  const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), v);
  return std::string(buf.data(), ec == std::errc() ? end : buf.data());
}

std::string Hex8(std::int32_t v) {
  std::array<char, 16> buf{};
  std::snprintf(buf.data(), buf.size(), "&H%08X&", static_cast<unsigned>(static_cast<std::uint32_t>(v)));
  return buf.data();
}

std::string PicturePath(const IPictureObject& picture, const std::filesystem::path& base, std::u16string_view key,
                        const std::string& fileName) {
  const std::filesystem::path& source = picture.Source();
  if (source.empty()) {
    throw FormFileError(fileName, 0, "cannot write " + text::ToUtf8(key) + ": the picture came from no file");
  }
  std::error_code ec;
  std::filesystem::path rel = base.empty() ? source : std::filesystem::relative(source, base, ec);
  if (ec || rel.empty()) rel = std::filesystem::absolute(source, ec);
  return Quoted(text::FromUtf8(rel.generic_string()));
}

class Writer {
 public:
  Writer(const std::filesystem::path& base, std::string fileName) : base_(base), fileName_(std::move(fileName)) {}

  std::string Form(const FormDesc& form) {
    Line(0, std::string("Begin ") + (form.mdi ? "MDIForm " : "Form ") + text::ToUtf8(form.name));
    Bag(1, form.properties, form.members);
    for (const ControlDesc& c : form.controls) Control(1, c);
    Line(0, "End");
    return out_;
  }

 private:
  void Control(int depth, const ControlDesc& c) {
    Line(depth, "Begin " + text::ToUtf8(c.progid) + " " + text::ToUtf8(c.name));
    Bag(depth + 1, c.extender, nullptr);
    Bag(depth + 1, c.properties, c.members);
    for (const ControlDesc& child : c.children) Control(depth + 1, child);
    Line(depth, "End");
  }

  void Bag(int depth, const OrderedBag& bag, const com::InterfaceInfo* members) {
    for (const auto& [key, value] : bag.Items()) Property(depth, key, value, members);
  }

  void Property(int depth, std::u16string_view key, const com::Variant& v, const com::InterfaceInfo* members) {
    using T = com::Variant::Type;
    const std::string name = text::ToUtf8(key);
    switch (v.type()) {
      case T::Empty:
      case T::Null:
        return;  // no value to keep
      case T::Boolean:
        return Line(depth, name + " = " + (v.ToBoolean() ? "-1" : "0"));
      case T::Integer:
        return Line(depth, name + " = " + std::to_string(v.ToInteger()));
      case T::Long:
        return Line(depth, name + " = " +
                               (IsColorMember(members, key) ? Hex8(v.ToLong()) : std::to_string(v.ToLong())));
      case T::Single:
        return Line(depth, name + " = " + ShortestDecimal(v.ToSingle(), key, fileName_));
      case T::Double:
        return Line(depth, name + " = " + ShortestDecimal(v.ToDouble(), key, fileName_));
      case T::String:
        return Line(depth, name + " = " + StringExpression(v.ToString()));
      case T::Object:
        return Object(depth, key, v);
    }
  }

  void Object(int depth, std::u16string_view key, const com::Variant& v) {
    const std::string name = text::ToUtf8(key);
    if (!v.ToObject()) return Line(depth, name + " = \"\"");
    if (const auto font = AsFont(v)) return Font(depth, name, font->Desc());
    if (const auto picture = AsPicture(v)) return Line(depth, name + " = " + PicturePath(*picture, base_, key, fileName_));
    throw FormFileError(fileName_, 0, "cannot write " + name + ": an object that is neither a font nor a picture");
  }

  void Font(int depth, const std::string& key, const gfx::FontDesc& d) {
    Line(depth, "BeginProperty " + key);
    Line(depth + 1, "Name = " + StringExpression(d.name));
    Line(depth + 1, "Size = " + ShortestDecimal(d.size, u"Size", fileName_));
    Line(depth + 1, std::string("Bold = ") + (d.bold ? "-1" : "0"));
    Line(depth + 1, std::string("Italic = ") + (d.italic ? "-1" : "0"));
    Line(depth + 1, std::string("Underline = ") + (d.underline ? "-1" : "0"));
    Line(depth + 1, std::string("Strikethrough = ") + (d.strikethrough ? "-1" : "0"));
    Line(depth, "EndProperty");
  }

  void Line(int depth, const std::string& text) {
    out_.append(static_cast<std::size_t>(depth * kIndentWidth), ' ');
    out_ += text;
    out_ += '\n';
  }

  std::filesystem::path base_;
  std::string fileName_;
  std::string out_;
};

}  // namespace

std::string FormatFormFile(const FormDesc& form, const std::filesystem::path& baseDirectory,
                           const std::string& fileName) {
  return Writer(baseDirectory, fileName).Form(form);
}

}  // namespace kelvo::forms

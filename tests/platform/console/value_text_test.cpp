#include <gtest/gtest.h>

#include <charconv>
#include <cmath>

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/com/object.h"
#include "platform/console/lexer.h"
#include "platform/console/value_text.h"
#include "platform/forms/stdobjects.h"

namespace kelvo::console {
namespace {

std::u16string ReadBack(const std::string& quoted) {
  const LexResult r = Tokenize(quoted);
  EXPECT_FALSE(r.error) << quoted;
  EXPECT_EQ(r.tokens.size(), 1u) << quoted;
  return r.tokens.empty() || !r.tokens[0].quoted ? std::u16string{} : *r.tokens[0].quoted;
}

template <class T>
T Parsed(const std::string& s) {
  T value{};
  const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
  EXPECT_EQ(result.ptr, s.data() + s.size()) << s;
  return value;
}

TEST(QuoteString, EscapesWhatTheLexerReads) {
  EXPECT_EQ(QuoteString(u"12/34"), "\"12/34\"");
  EXPECT_EQ(QuoteString(u"say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(QuoteString(u"a\\b\n\r\t"), R"("a\\b\n\r\t")");
  EXPECT_EQ(QuoteString(std::u16string(u"\x01\x7F") + char16_t{0}), R"("\x01\x7F\x00")");
  EXPECT_EQ(QuoteString(u"\u0081\u009D"), R"("\x81\x9D")");
  EXPECT_EQ(QuoteString(u"Licença \u20AC"), "\"Licen\xC3\xA7" "a \xE2\x82\xAC\"");
}

TEST(QuoteString, EveryCodePageCharacterReadsBackTheSame) {
  std::u16string all;
  for (int code = 0; code < 256; ++code) all += text::FromAnsi(static_cast<std::uint8_t>(code));
  EXPECT_EQ(ReadBack(QuoteString(all)), all);
  EXPECT_EQ(ReadBack(QuoteString(u"")), u"");
  EXPECT_EQ(ReadBack(QuoteString(u"\"\"\\x41")), u"\"\"\\x41");
}

TEST(FormatShortest, PlainDecimalsThatReadBackTheSame) {
  EXPECT_EQ(FormatShortest(0.1), "0.1");
  EXPECT_EQ(FormatShortest(8.25), "8.25");
  EXPECT_EQ(FormatShortest(-1234.5), "-1234.5");
  EXPECT_EQ(FormatShortest(1500.0), "1500");
  EXPECT_EQ(FormatShortest(1e20), "100000000000000000000");
  EXPECT_EQ(FormatShortest(1e-7), "0.0000001");
  EXPECT_EQ(FormatShortest(-0.0), "0");
  EXPECT_EQ(FormatShortest(0.1f), "0.1");
  EXPECT_EQ(FormatShortest(16.6f), "16.6");
  for (double v : {1.0 / 3, 2.0 / 3 * 1e10, 123456789.123, 5e-324, 1.7976931348623157e308})
    EXPECT_EQ(Parsed<double>(FormatShortest(v)), v);
  for (float v : {1.0f / 3, 0.3f, 3.4028235e38f, 1e-45f}) EXPECT_EQ(Parsed<float>(FormatShortest(v)), v);
}

TEST(FormatShortest, NonFiniteValuesHaveNames) {
  EXPECT_EQ(FormatShortest(std::nan("")), "NaN");
  EXPECT_EQ(FormatShortest(-HUGE_VAL), "-Infinity");
  EXPECT_EQ(FormatShortest(HUGE_VALF), "Infinity");
}

TEST(FormatColor, EightUpperCaseDigits) {
  EXPECT_EQ(FormatColor(0x8000000Fu), "&H8000000F&");
  EXPECT_EQ(FormatColor(0xFFu), "&H000000FF&");
  EXPECT_EQ(FormatRgb({0xD4, 0xD0, 0x0A}), "#D4D00A");
}

TEST(FormatValue, ScalarsByType) {
  EXPECT_EQ(FormatValue(com::Variant::Boolean(true)), "True");
  EXPECT_EQ(FormatValue(com::Variant::Boolean(false)), "False");
  EXPECT_EQ(FormatValue(com::Variant::Integer(-12)), "-12");
  EXPECT_EQ(FormatValue(com::Variant::Long(70000)), "70000");
  EXPECT_EQ(FormatValue(com::Variant::Single(0.1f)), "0.1");
  EXPECT_EQ(FormatValue(com::Variant::Double(0.1)), "0.1");
  EXPECT_EQ(FormatValue(com::Variant::String(u"x\ty")), "\"x\\ty\"");
  EXPECT_EQ(FormatValue(com::Variant()), "Empty");
  EXPECT_EQ(FormatValue(com::Variant::Null()), "Null");
  EXPECT_EQ(FormatValue(com::Variant::Object(nullptr)), "Nothing");
}

TEST(FormatValue, ColourMembersPrintAsColours) {
  EXPECT_EQ(FormatValue(com::Variant::Long(static_cast<std::int32_t>(0x8000000Fu)), com::TypeKind::Color),
            "&H8000000F&");
  EXPECT_EQ(FormatValue(com::Variant::Integer(255), com::TypeKind::Color), "&H000000FF&");
  EXPECT_EQ(FormatValue(com::Variant::Long(255), com::TypeKind::Long), "255");
  EXPECT_EQ(FormatValue(com::Variant::String(u"x"), com::TypeKind::Color), "\"x\"");
}

TEST(FormatValue, FontsPicturesAndNamedObjects) {
  gfx::FontDesc desc;
  desc.name = u"Courier New";
  desc.size = 10.5;
  desc.bold = true;
  desc.underline = true;
  EXPECT_EQ(FormatValue(com::Variant::Object(forms::CreateFontObject(desc))), "font \"Courier New\" 10.5 bold underline");
  EXPECT_EQ(FormatValue(com::Variant::Object(forms::CreateFontObject(gfx::FontDesc{}))), "font \"MS Sans Serif\" 8.25");
  EXPECT_EQ(FormatValue(com::Variant::Object(forms::CreatePictureObject(gfx::Image(32, 16)))), "picture 32x16");
}

// An object that is neither a font nor a picture.
class Plain final : public com::Object<com::IDispatch> {
 public:
  const com::InterfaceInfo* GetTypeInfo() override { return nullptr; }
  com::Variant Invoke(std::u16string_view, com::InvokeKind, std::span<com::Variant>) override {
    throw com::Error(com::err::kNoSuchMember);
  }
};

TEST(FormatValue, OtherObjectsByTheirName) {
  const com::ComPtr<com::IDispatch> named = com::MakeObject<Plain>();
  const com::ComPtr<com::IDispatch> unnamed = com::MakeObject<Plain>();
  const ObjectNamer namer = [&](com::IDispatch* object) -> std::optional<std::string> {
    if (object == named.get()) return std::string("opt(2)");
    return std::nullopt;
  };
  EXPECT_EQ(FormatValue(com::Variant::Object(named), com::TypeKind::Object, namer), "opt(2)");
  EXPECT_EQ(FormatValue(com::Variant::Object(unnamed), com::TypeKind::Object, namer), "object");
  EXPECT_EQ(FormatValue(com::Variant::Object(named)), "object");
}

}  // namespace
}  // namespace kelvo::console

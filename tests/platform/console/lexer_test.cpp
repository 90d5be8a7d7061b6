#include <gtest/gtest.h>

#include "platform/console/lexer.h"

namespace kelvo::console {
namespace {

std::vector<Token> Words(std::string_view line) {
  LexResult r = Tokenize(line);
  EXPECT_FALSE(r.error) << r.error->message;
  return r.tokens;
}

LexError ErrorOf(std::string_view line) {
  LexResult r = Tokenize(line);
  EXPECT_TRUE(r.error.has_value()) << line;
  return r.error.value_or(LexError{});
}

TEST(Lexer, BlanksSeparateWordsOutsideQuotes) {
  const auto t = Words("  type\tt  \"a b\"  ");
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0].bare, "type");
  EXPECT_EQ(t[1].bare, "t");
  EXPECT_TRUE(t[2].IsString());
  EXPECT_EQ(*t[2].quoted, u"a b");
  EXPECT_EQ(t[2].source, "\"a b\"");
  EXPECT_EQ(t[1].column, 8u);
}

TEST(Lexer, QuotedValueOfKeyValueKeepsBlanks) {
  const auto t = Words("read Label l 0 0 9 9 Caption=\"Hello  World\" X=1");
  ASSERT_EQ(t.size(), 9u);
  EXPECT_EQ(t[7].bare, "Caption=");
  EXPECT_EQ(*t[7].quoted, u"Hello  World");
  EXPECT_FALSE(t[7].IsString());
  EXPECT_EQ(t[8].bare, "X=1");
}

TEST(Lexer, DoubledQuoteAndEscapes) {
  const auto t = Words(R"("say ""hi""\n\r\t\\ \x41\x80")");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(*t[0].quoted, u"say \"hi\"\n\r\t\\ A\u20AC");
}

TEST(Lexer, HexEscapeIsTheCodePageCharacter) {
  EXPECT_EQ(*Words(R"("\xE7\x81\x00")")[0].quoted, std::u16string(u"\u00E7\u0081") + char16_t{0});
}

TEST(Lexer, Utf8InsideStringsIsDecoded) {
  EXPECT_EQ(*Words("\"Licen\xC3\xA7" "a\"")[0].quoted, u"Licença");
}

TEST(Lexer, EmptyStringIsAWord) {
  const auto t = Words("clipboard \"\"");
  ASSERT_EQ(t.size(), 2u);
  EXPECT_TRUE(t[1].IsString());
  EXPECT_EQ(*t[1].quoted, u"");
}

TEST(Lexer, BadStringsAreRefusedWithTheirColumn) {
  EXPECT_EQ(ErrorOf("type t \"abc").column, 8u);
  EXPECT_EQ(ErrorOf("type t \"abc").message, "unterminated string");
  EXPECT_EQ(ErrorOf(R"(type t "a\qb")").message, "unknown escape \\q");
  EXPECT_EQ(ErrorOf(R"(type t "a\x4")").message, "\\x needs two hexadecimal digits");
  EXPECT_EQ(ErrorOf(R"(type t "a\xZZ")").column, 10u);
  EXPECT_EQ(ErrorOf(R"(type t "a\)").message, "unfinished escape");
  EXPECT_EQ(ErrorOf(R"(type t "a"b)").message, "expected a blank after the closing quote");
  EXPECT_EQ(ErrorOf(R"(type t ab"c")").message, "a quote may only start a word or follow \"=\"");
}

TEST(ExpectSeparator, FirstBlankEqualsBlankOutsideQuotes) {
  EXPECT_EQ(FindExpectSeparator("get t.Text = \"12/34\""), 10u);
  EXPECT_EQ(FindExpectSeparator("call t.M \"a = b\" = 3"), 16u);
  EXPECT_EQ(FindExpectSeparator("call t.M \"x \"\" = \"\" y\" = 3"), 22u);
  EXPECT_EQ(FindExpectSeparator("events ="), 6u);
  EXPECT_EQ(FindExpectSeparator("bag t X=1"), std::string_view::npos);
  EXPECT_EQ(FindExpectSeparator("get t.Text == 3"), std::string_view::npos);
  EXPECT_EQ(FindExpectSeparator("= 3"), std::string_view::npos);
}

}  // namespace
}  // namespace kelvo::console

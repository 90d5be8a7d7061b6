#include <gtest/gtest.h>

#include "platform/console/parser.h"

namespace kelvo::console {
namespace {

ScriptLine Parsed(std::string_view text) {
  ParsedLine p = ParseLine(text, 7);
  if (auto* e = std::get_if<ParseError>(&p)) ADD_FAILURE() << text << ": " << e->message;
  EXPECT_TRUE(std::holds_alternative<ScriptLine>(p)) << text;
  return std::holds_alternative<ScriptLine>(p) ? std::get<ScriptLine>(p) : ScriptLine{};
}

template <class T>
T As(std::string_view text) {
  ScriptLine line = Parsed(text);
  EXPECT_TRUE(std::holds_alternative<T>(line.statement)) << text << " parsed as alternative " << line.statement.index();
  return std::holds_alternative<T>(line.statement) ? std::get<T>(line.statement) : T{};
}

std::string ErrorOf(std::string_view text) {
  ParsedLine p = ParseLine(text, 3);
  EXPECT_TRUE(std::holds_alternative<ParseError>(p)) << text;
  return std::holds_alternative<ParseError>(p) ? std::get<ParseError>(p).message : std::string{};
}

Literal ValueOf(std::string_view word) { return As<cmd::Let>("let t.X " + std::string(word)).value; }

ControlRef Named(std::u16string name, std::optional<int> index = std::nullopt) { return {std::move(name), index, false}; }

TEST(ParseLine, BlankLinesAndCommentsAreSkipped) {
  for (std::string_view line : {"", "   ", "\t\r", "# a comment", "   # indented comment"})
    EXPECT_TRUE(std::holds_alternative<std::monostate>(ParseLine(line, 1))) << line;
}

TEST(ParseLine, KeepsTheLineNumberAndTheNormalisedText) {
  ScriptLine line = Parsed("  pixel   t  3 4 \r");
  EXPECT_EQ(line.number, 7);
  EXPECT_EQ(line.text, "pixel t 3 4");
  EXPECT_FALSE(line.expect);
}

TEST(Values, EveryLiteralForm) {
  EXPECT_EQ(ValueOf("\"a \"\"b\"\"\""), Literal::String(u"a \"b\""));
  EXPECT_EQ(ValueOf("-12"), Literal::Integer(-12));
  EXPECT_EQ(ValueOf("1234.5"), Literal::Decimal(1234.5));
  EXPECT_EQ(ValueOf("-.25"), Literal::Decimal(-0.25));
  EXPECT_EQ(ValueOf("&H8000000F&"), Literal::Hex(0x8000000Fu));
  EXPECT_EQ(ValueOf("&hff"), Literal::Hex(0xFFu));
  EXPECT_EQ(ValueOf("True"), Literal::Boolean(true));
  EXPECT_EQ(ValueOf("false"), Literal::Boolean(false));
  EXPECT_EQ(ValueOf("Nothing"), Literal::Of(Literal::Kind::Nothing));
  EXPECT_EQ(ValueOf("Empty"), Literal::Of(Literal::Kind::Empty));
  EXPECT_EQ(ValueOf("NULL"), Literal::Of(Literal::Kind::Null));
}

TEST(Values, IntegersBeyond64BitsBecomeDecimals) {
  EXPECT_EQ(ValueOf("99999999999999999999").kind, Literal::Kind::Decimal);
  EXPECT_EQ(ValueOf("9223372036854775807"), Literal::Integer(9223372036854775807));
}

TEST(Values, MalformedValuesAreRefused) {
  for (std::string_view bad : {"1.2.3", "-", "12a", "&H", "&H123456789", "&HXY", "Yes", "1e5", "+3", "."})
    EXPECT_EQ(ErrorOf("let t.X " + std::string(bad)), "expected a value, got \"" + std::string(bad) + "\"") << bad;
}

TEST(Names, ControlsArrayElementsAndTheForm) {
  EXPECT_EQ(As<cmd::Click>("click cmdOK").control, Named(u"cmdOK"));
  EXPECT_EQ(As<cmd::Click>("click opt(3)").control, Named(u"opt", 3));
  EXPECT_TRUE(As<cmd::Click>("click form").control.isForm);
  const auto get = As<cmd::Get>("get lbl(12).Caption");
  EXPECT_EQ(get.member.target, Named(u"lbl", 12));
  EXPECT_EQ(get.member.member, u"Caption");
  EXPECT_EQ(get.member.Text(), "lbl(12).Caption");
  EXPECT_EQ(As<cmd::Get>("get form.Caption").member.Text(), "form.Caption");
}

TEST(Names, BadNamesAreRefused) {
  EXPECT_EQ(ErrorOf("click 3x"), "expected a control (NAME, name(3) or form), got \"3x\"");
  EXPECT_EQ(ErrorOf("click a(b)"), "expected a control (NAME, name(3) or form), got \"a(b)\"");
  EXPECT_EQ(ErrorOf("click a(-1)"), "expected a control (NAME, name(3) or form), got \"a(-1)\"");
  EXPECT_EQ(ErrorOf("get t"), "expected NAME.MEMBER, got \"t\"");
  EXPECT_EQ(ErrorOf("get t.Text#2"), "#N is only allowed in `on`: \"t.Text#2\"");
  EXPECT_EQ(ErrorOf("get \"t.Text\""), "expected NAME.MEMBER, got \"\"t.Text\"\"");
}

TEST(Errors, UnknownCommandsMissingAndExtraWords) {
  EXPECT_EQ(ErrorOf("frobnicate t"), "unknown command \"frobnicate\"");
  EXPECT_EQ(ErrorOf("\"let\" t.X 1"), "unknown command \"\"let\"\"");
  EXPECT_EQ(ErrorOf("let t.X"), "expected a value at the end of the line");
  EXPECT_EQ(ErrorOf("click t u"), "unexpected \"u\"");
  EXPECT_EQ(ErrorOf("type t \"abc"), "unterminated string (column 8)");
  EXPECT_EQ(ErrorOf("keydown t 70000"), "a key code 70000 is out of range (-32768 to 32767)");
}

TEST(Environment, DpiAndDecimal) {
  EXPECT_EQ(As<cmd::Dpi>("dpi 120").dpi, 120);
  EXPECT_EQ(ErrorOf("dpi 100"), "dpi must be 96 or 120");
  EXPECT_EQ(As<cmd::Decimal>("decimal \",\"").separator, u',');
  EXPECT_EQ(ErrorOf("decimal \",.\""), "the decimal separator must be one character");
  EXPECT_EQ(ErrorOf("decimal ,"), "expected the decimal separator in double quotes, got \",\"");
}

TEST(Environment, FormsWithOptionalParts) {
  const auto plain = As<cmd::NewForm>("form frmA");
  EXPECT_EQ(plain.name, u"frmA");
  EXPECT_FALSE(plain.size);
  EXPECT_FALSE(plain.at);
  EXPECT_FALSE(plain.design);
  const auto full = As<cmd::NewForm>("form frmB 3000 2000.5 at 10 20 design");
  EXPECT_EQ(full.size, (std::pair{3000.0, 2000.5}));
  EXPECT_EQ(full.at, (std::pair{10, 20}));
  EXPECT_TRUE(full.design);
  EXPECT_TRUE(As<cmd::NewForm>("form frmC at 1 2").at.has_value());
  EXPECT_TRUE(As<cmd::NewForm>("mdi main 9000 7000").mdiFrame);
  EXPECT_EQ(ErrorOf("mdi main design"), "unexpected \"design\"");
  EXPECT_EQ(ErrorOf("form frmA 3000"), "expected a height at the end of the line");
  const auto child = As<cmd::NewChild>("child doc of main 4000 3000");
  EXPECT_EQ(child.frame, u"main");
  EXPECT_EQ(child.size, (std::pair{4000.0, 3000.0}));
  EXPECT_EQ(ErrorOf("child doc main"), "expected \"of FRAME\" after the child's name");
}

TEST(Environment, LoadSaveAndPlacement) {
  EXPECT_EQ(As<cmd::Load>("load forms/demo.frm design").path, u"forms/demo.frm");
  EXPECT_TRUE(As<cmd::Load>("load \"my forms/demo.frm\" design").design);
  EXPECT_EQ(As<cmd::Save>("save \"out dir/a.frm\"").path, u"out dir/a.frm");
  const auto add = As<cmd::Place>("add KLVCTL32.KelvoTextEdit t 120 120 1500 300");
  EXPECT_FALSE(add.loaded);
  EXPECT_EQ(add.progid, u"KLVCTL32.KelvoTextEdit");
  EXPECT_EQ(add.rect, (TwipsBox{120, 120, 1500, 300}));
  EXPECT_EQ(ErrorOf("add Label l 0 0 10 10 Caption=\"x\""), "unexpected \"Caption=\"x\"\"");
  const auto read = As<cmd::Place>("read Label lbl(2) 0 0 900 300 Caption=\"A  B\" Alignment=2 BackColor=&HFF&");
  EXPECT_TRUE(read.loaded);
  EXPECT_EQ(read.name, Named(u"lbl", 2));
  ASSERT_EQ(read.keys.size(), 3u);
  EXPECT_EQ(read.keys[0], (KeyValue{u"Caption", Literal::String(u"A  B")}));
  EXPECT_EQ(read.keys[1], (KeyValue{u"Alignment", Literal::Integer(2)}));
  EXPECT_EQ(read.keys[2], (KeyValue{u"BackColor", Literal::Hex(0xFF)}));
  EXPECT_EQ(ErrorOf("read Label l 0 0 1 1 =3"), "expected KEY=VALUE, got \"=3\"");
  EXPECT_EQ(ErrorOf("read Label l 0 0 1 1 K=x"), "expected a value after \"K=\", got \"K=x\"");
  EXPECT_EQ(ErrorOf("add Label form 0 0 1 1"), "\"form\" cannot name a control");
  EXPECT_EQ(ErrorOf("add .Label l 0 0 1 1"), "expected a ProgID, got \".Label\"");
  EXPECT_EQ(As<cmd::Remove>("remove lbl(2)").control, Named(u"lbl", 2));
}

TEST(Properties, FontsPicturesAndRules) {
  const auto font = As<cmd::SetFont>("set t.Font font \"Courier New\" 10.5 bold underline");
  EXPECT_EQ(font.name, u"Courier New");
  EXPECT_EQ(font.size, 10.5);
  EXPECT_TRUE(font.bold && font.underline && !font.italic);
  EXPECT_EQ(ErrorOf("set t.Font font \"A\" 8 heavy"), "expected bold, italic or underline, got \"heavy\"");
  EXPECT_EQ(ErrorOf("set t.Font font \"A\" 0"), "the font's size must be positive");
  EXPECT_EQ(As<cmd::SetPicture>("set b.Picture picture pics/open.bmp").path, u"pics/open.bmp");
  EXPECT_EQ(As<cmd::SetNothing>("set b.Picture Nothing").member.member, u"Picture");
  EXPECT_EQ(ErrorOf("set b.Picture 3"), "expected font, picture or Nothing after b.Picture");
  const auto on = As<cmd::On>("on t.KeyPress#2 KeyAscii=0");
  EXPECT_EQ(on.event.occurrence, 2);
  EXPECT_EQ(on.args[0], (KeyValue{u"KeyAscii", Literal::Integer(0)}));
  EXPECT_EQ(ErrorOf("on t.KeyPress#0 KeyAscii=0"), "#N counts from 1");
  EXPECT_EQ(ErrorOf("on t.KeyPress"), "expected ARG=VALUE after t.KeyPress");
}

TEST(Input, KeysAndPointer) {
  EXPECT_EQ(As<cmd::Keystroke>("key t Enter").code, 13);
  EXPECT_EQ(As<cmd::Keystroke>("key t home 1").shift, 1);
  EXPECT_EQ(As<cmd::Keystroke>("key t 65 2").code, 65);
  EXPECT_EQ(ErrorOf("key t PageUp"), "expected a key code or name (Left, Enter, ...), got \"PageUp\"");
  EXPECT_EQ(ErrorOf("type t 12"), "expected the text to type in double quotes, got \"12\"");
  EXPECT_EQ(As<cmd::Mouse>("mousemove t 1 0 150 -7.5").y, -7.5);
  EXPECT_FALSE(As<cmd::Cursor>("cursor 10 20").control);
  EXPECT_EQ(As<cmd::Cursor>("cursor b 3 4").control, Named(u"b"));
  EXPECT_FALSE(As<cmd::Activate>("activate none").form);
  EXPECT_EQ(As<cmd::Tick>("tick").ms, 175u);
  EXPECT_NE(ErrorOf("tick -5"), "");
  EXPECT_EQ(As<cmd::MenuAnswer>("menu dismiss").index, -1);
  EXPECT_EQ(As<cmd::MsgBoxAnswer>("msgbox answer cancel").answer, cmd::BoxAnswer::Cancel);
  EXPECT_EQ(ErrorOf("msgbox answer MAYBE"), "expected OK, CANCEL, YES or NO, got \"MAYBE\"");
}

TEST(Pages, CommandsAndQueries) {
  const auto open = As<cmd::PageOpen>("page KLVCTL32.ppgTextEdit t1 t2");
  EXPECT_EQ(open.progid, u"KLVCTL32.ppgTextEdit");
  EXPECT_EQ(open.controls, (std::vector<ControlRef>{Named(u"t1"), Named(u"t2")}));
  EXPECT_EQ(As<cmd::PageClick>("page click optSize(1)").field, u"optSize(1)");
  EXPECT_EQ(As<cmd::Simple>("page changed").kind, cmd::Simple::Kind::PageChanged);
  EXPECT_EQ(As<cmd::PageField>("page chkLocked").field, u"chkLocked");
  EXPECT_EQ(ErrorOf("page KLVCTL32.ppgTextEdit form"), "a property page shows controls, not the form");
}

TEST(Queries, QueryFormsOfSharedVerbs) {
  EXPECT_EQ(As<cmd::Simple>("focus").kind, cmd::Simple::Kind::Focus);
  EXPECT_EQ(As<cmd::Simple>("clipboard").kind, cmd::Simple::Kind::Clipboard);
  EXPECT_EQ(As<cmd::Simple>("menu").kind, cmd::Simple::Kind::Menu);
  EXPECT_EQ(As<cmd::Simple>("msgbox").kind, cmd::Simple::Kind::MsgBox);
  EXPECT_EQ(As<cmd::Simple>("ended").kind, cmd::Simple::Kind::Ended);
  EXPECT_EQ(As<cmd::OfControl>("size t").kind, cmd::OfControl::Kind::Size);
  EXPECT_EQ(As<cmd::OfControl>("bag form").control, ControlRef::Form());
  const auto pixel = As<cmd::Pixel>("pixel t 0 19");
  EXPECT_EQ(pixel.y, 19);
  EXPECT_EQ(ErrorOf("events now"), "unexpected \"now\"");
}

TEST(Expect, ValueExpectations) {
  const ScriptLine line = Parsed("expect get t.Text = \"12/34\"");
  ASSERT_TRUE(line.expect);
  EXPECT_FALSE(line.expect->error);
  EXPECT_EQ(line.expect->text, "\"12/34\"");
  EXPECT_EQ(line.text, "get t.Text");
  EXPECT_TRUE(std::holds_alternative<cmd::Get>(line.statement));
  EXPECT_EQ(Parsed("expect events = t.KeyPress(49) t.Changed() t.KeyDown(0, 0)").expect->text,
            "t.KeyPress(49) t.Changed() t.KeyDown(0, 0)");
  EXPECT_EQ(Parsed("expect call t.IsValidChar \"a = b\" 3 = False").expect->text, "False");
  EXPECT_EQ(Parsed("expect events =").expect->text, "");
  EXPECT_EQ(Parsed("expect get t.Text = a  =  b  ").expect->text, "a  =  b");
}

TEST(Expect, ErrorExpectations) {
  const ScriptLine line = Parsed("expect error let t.MaxLength 70000 = 6");
  ASSERT_TRUE(line.expect);
  EXPECT_TRUE(line.expect->error);
  EXPECT_EQ(line.expect->number, 6);
  EXPECT_TRUE(std::holds_alternative<cmd::Let>(line.statement));
  EXPECT_EQ(Parsed("expect error call t.Nope = 438").text, "call t.Nope");
}

TEST(Expect, MalformedExpectations) {
  EXPECT_EQ(ErrorOf("expect get t.Text"), "expect needs \" = \" followed by the expected value");
  EXPECT_EQ(ErrorOf("expect let t.Text \"a\" = 1"), "expect needs a query, got \"let\"");
  EXPECT_EQ(ErrorOf("expect error let t.X 1 = x"), "expect error needs an error number after \" = \"");
  EXPECT_EQ(ErrorOf("expect expect events = 1"), "expect cannot be nested");
  EXPECT_EQ(ErrorOf("expect error = 5"), "expected a command");
  EXPECT_EQ(ErrorOf("expect get t.Text#1 = 5"), "#N is only allowed in `on`: \"t.Text#1\"");
}

}  // namespace
}  // namespace kelvo::console

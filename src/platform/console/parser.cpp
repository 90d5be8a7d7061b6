#include "platform/console/parser.h"

#include <functional>
#include <limits>
#include <map>
#include <stdexcept>

#include "platform/base/text.h"
#include "platform/console/keys.h"
#include "platform/console/lexer.h"
#include "platform/console/value_text.h"
#include "platform/console/word_rules.h"

namespace kelvo::console {
namespace {

class ParseFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& message) { throw ParseFailure(message); }

// A word as messages show it: quoted, control characters escaped.
std::string Shown(const Token& token) { return "\"" + ShowControls(token.source) + "\""; }

// The words of one statement, consumed left to right.
class Words {
 public:
  explicit Words(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  bool AtEnd() const { return next_ >= tokens_.size(); }
  std::size_t Remaining() const { return tokens_.size() - next_; }
  const Token& Peek() const { return tokens_[next_]; }

  const Token& Next(const std::string& what) {
    if (AtEnd()) Fail("expected " + what + " at the end of the line");
    return tokens_[next_++];
  }
  // Consumes the next word when it is this keyword (any case).
  bool TakeKeyword(std::string_view keyword) {
    if (AtEnd() || !IsKeyword(Peek(), keyword)) return false;
    ++next_;
    return true;
  }
  void ExpectEnd() const {
    if (!AtEnd()) Fail("unexpected " + Shown(Peek()));
  }

 private:
  std::vector<Token> tokens_;
  std::size_t next_ = 0;
};

std::u16string Wide(std::string_view s) { return text::FromUtf8(s); }

std::int64_t Integer(const Token& token, std::int64_t min, std::int64_t max, const std::string& what) {
  const auto literal = token.IsBare() ? LiteralFromText(token.bare) : std::nullopt;
  if (!literal || literal->kind != Literal::Kind::Integer) Fail("expected " + what + ", got " + Shown(token));
  if (literal->integer < min || literal->integer > max)
    Fail(what + " " + token.source + " is out of range (" + std::to_string(min) + " to " + std::to_string(max) + ")");
  return literal->integer;
}

std::int16_t Short(const Token& token, const std::string& what) {
  return static_cast<std::int16_t>(Integer(token, -32768, 32767, what));
}

int Int(const Token& token, const std::string& what) {
  return static_cast<int>(Integer(token, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), what));
}

double Number(const Token& token, const std::string& what) {
  const auto literal = token.IsBare() ? LiteralFromText(token.bare) : std::nullopt;
  if (literal && literal->kind == Literal::Kind::Integer) return static_cast<double>(literal->integer);
  if (literal && literal->kind == Literal::Kind::Decimal) return literal->decimal;
  Fail("expected " + what + ", got " + Shown(token));
}

Literal Value(const Token& token) {
  if (token.IsString()) return Literal::String(*token.quoted);
  const auto literal = token.IsBare() ? LiteralFromText(token.bare) : std::nullopt;
  if (!literal) Fail("expected a value, got " + Shown(token));
  return *literal;
}

std::u16string Identifier(const Token& token, const std::string& what) {
  if (!token.IsBare() || !IsIdentifier(token.bare)) Fail("expected " + what + ", got " + Shown(token));
  return Wide(token.bare);
}

ControlRef Control(const Token& token) {
  const auto ref = token.IsBare() ? ControlRefFromText(token.bare) : std::nullopt;
  if (!ref) Fail("expected a control (NAME, name(3) or form), got " + Shown(token));
  return *ref;
}

MemberRef Member(const Token& token, bool allowOccurrence) {
  const auto ref = token.IsBare() ? MemberRefFromText(token.bare) : std::nullopt;
  if (!ref) Fail("expected NAME.MEMBER, got " + Shown(token));
  if (ref->occurrence && !allowOccurrence) Fail("#N is only allowed in `on`: " + Shown(token));
  return *ref;
}

std::u16string ProgId(const Token& token) {
  if (!token.IsBare() || !IsProgId(token.bare)) Fail("expected a ProgID, got " + Shown(token));
  return Wide(token.bare);
}

std::u16string Path(const Token& token) {
  if (token.IsString()) return *token.quoted;
  if (!token.IsBare()) Fail("expected a path, got " + Shown(token));
  return Wide(token.bare);
}

std::u16string Text(const Token& token, const std::string& what) {
  if (!token.IsString()) Fail("expected " + what + " in double quotes, got " + Shown(token));
  return *token.quoted;
}

KeyValue Assignment(const Token& token) {
  const std::size_t eq = token.bare.find('=');
  if (eq == std::string::npos || eq == 0) Fail("expected KEY=VALUE, got " + Shown(token));
  const std::string key = token.bare.substr(0, eq);
  if (!IsIdentifier(key)) Fail("expected KEY=VALUE, got " + Shown(token));
  if (token.quoted) {
    if (eq + 1 != token.bare.size()) Fail("expected KEY=VALUE, got " + Shown(token));
    return {Wide(key), Literal::String(*token.quoted)};
  }
  const auto literal = LiteralFromText(std::string_view(token.bare).substr(eq + 1));
  if (!literal) Fail("expected a value after \"" + key + "=\", got " + Shown(token));
  return {Wide(key), *literal};
}

std::vector<KeyValue> Assignments(Words& w) {
  std::vector<KeyValue> out;
  while (!w.AtEnd()) out.push_back(Assignment(w.Next("KEY=VALUE")));
  return out;
}

std::pair<double, double> Size(Words& w) {
  const double width = Number(w.Next("a width"), "a width");
  const double height = Number(w.Next("a height"), "a height");
  return {width, height};
}

bool StartsNumber(const Words& w) { return !w.AtEnd() && w.Peek().IsBare() && LiteralFromText(w.Peek().bare).has_value(); }

// ---- environment and forms

Statement ParseDpi(Words& w) {
  const int dpi = Int(w.Next("96 or 120"), "96 or 120");
  if (dpi != 96 && dpi != 120) Fail("dpi must be 96 or 120");
  return cmd::Dpi{dpi};
}

Statement ParseDecimal(Words& w) {
  const std::u16string sep = Text(w.Next("the decimal separator"), "the decimal separator");
  if (sep.size() != 1) Fail("the decimal separator must be one character");
  return cmd::Decimal{sep[0]};
}

Statement ParseFormWithKind(Words& w, bool mdiFrame) {
  cmd::NewForm f;
  f.mdiFrame = mdiFrame;
  f.name = Identifier(w.Next("a form name"), "a form name");
  if (StartsNumber(w)) f.size = Size(w);
  if (w.TakeKeyword("at")) {
    const int x = Int(w.Next("X"), "X");
    const int y = Int(w.Next("Y"), "Y");
    f.at = std::pair{x, y};
  }
  if (!mdiFrame) f.design = w.TakeKeyword("design");
  return f;
}

Statement ParseForm(Words& w) { return ParseFormWithKind(w, false); }
Statement ParseMdi(Words& w) { return ParseFormWithKind(w, true); }

Statement ParseChild(Words& w) {
  cmd::NewChild c;
  c.name = Identifier(w.Next("a form name"), "a form name");
  if (!w.TakeKeyword("of")) Fail("expected \"of FRAME\" after the child's name");
  c.frame = Identifier(w.Next("the MDI frame's name"), "the MDI frame's name");
  if (!w.AtEnd()) c.size = Size(w);
  return c;
}

Statement ParseUse(Words& w) { return cmd::Use{Identifier(w.Next("a form name"), "a form name")}; }

Statement ParseLoad(Words& w) {
  cmd::Load l;
  l.path = Path(w.Next("a path"));
  l.design = w.TakeKeyword("design");
  return l;
}

Statement ParseSave(Words& w) { return cmd::Save{Path(w.Next("a path"))}; }

Statement ParsePlacement(Words& w, bool loaded) {
  cmd::Place p;
  p.loaded = loaded;
  p.progid = ProgId(w.Next("a ProgID"));
  p.name = Control(w.Next("the control's name"));
  if (p.name.isForm) Fail("\"form\" cannot name a control");
  p.rect.left = Number(w.Next("L"), "L");
  p.rect.top = Number(w.Next("T"), "T");
  p.rect.width = Number(w.Next("W"), "W");
  p.rect.height = Number(w.Next("H"), "H");
  if (loaded) p.keys = Assignments(w);
  return p;
}

Statement ParseAdd(Words& w) { return ParsePlacement(w, false); }
Statement ParseRead(Words& w) { return ParsePlacement(w, true); }
Statement ParseRemove(Words& w) { return cmd::Remove{Control(w.Next("a control"))}; }

// ---- properties, methods, events

Statement ParseLet(Words& w) {
  MemberRef m = Member(w.Next("NAME.PROP"), false);
  return cmd::Let{std::move(m), Value(w.Next("a value"))};
}

Statement ParseSetFont(Words& w, MemberRef m) {
  cmd::SetFont f;
  f.member = std::move(m);
  f.name = Text(w.Next("the font's name"), "the font's name");
  f.size = Number(w.Next("the font's size"), "the font's size");
  if (f.size <= 0) Fail("the font's size must be positive");
  while (!w.AtEnd()) {
    if (w.TakeKeyword("bold")) f.bold = true;
    else if (w.TakeKeyword("italic")) f.italic = true;
    else if (w.TakeKeyword("underline")) f.underline = true;
    else Fail("expected bold, italic or underline, got " + Shown(w.Peek()));
  }
  return f;
}

Statement ParseSet(Words& w) {
  MemberRef m = Member(w.Next("NAME.PROP"), false);
  if (w.TakeKeyword("font")) return ParseSetFont(w, std::move(m));
  if (w.TakeKeyword("picture")) return cmd::SetPicture{std::move(m), Path(w.Next("a picture path"))};
  if (w.TakeKeyword("Nothing")) return cmd::SetNothing{std::move(m)};
  Fail("expected font, picture or Nothing after " + m.Text());
}

Statement ParseCall(Words& w) {
  cmd::Call c;
  c.member = Member(w.Next("NAME.METHOD"), false);
  while (!w.AtEnd()) c.args.push_back(Value(w.Next("a value")));
  return c;
}

Statement ParseOn(Words& w) {
  cmd::On o;
  o.event = Member(w.Next("NAME.EVENT"), true);
  if (o.event.occurrence && *o.event.occurrence < 1) Fail("#N counts from 1");
  o.args = Assignments(w);
  if (o.args.empty()) Fail("expected ARG=VALUE after " + o.event.Text());
  return o;
}

Statement ParseOff(Words& w) { return cmd::Off{Member(w.Next("NAME.EVENT"), false)}; }

// ---- input

Statement ParseFocus(Words& w) {
  if (w.AtEnd()) return cmd::Simple{cmd::Simple::Kind::Focus};
  return cmd::Focus{Control(w.Next("a control"))};
}

Statement ParseKeyUpDown(Words& w, bool up) {
  cmd::KeyUpDown k;
  k.up = up;
  k.control = Control(w.Next("a control"));
  k.code = Short(w.Next("a key code"), "a key code");
  if (!w.AtEnd()) k.shift = Short(w.Next("a shift state"), "a shift state");
  return k;
}

Statement ParseKeyDown(Words& w) { return ParseKeyUpDown(w, false); }
Statement ParseKeyUp(Words& w) { return ParseKeyUpDown(w, true); }

Statement ParseKeyPress(Words& w) {
  ControlRef c = Control(w.Next("a control"));
  return cmd::KeyPress{std::move(c), Short(w.Next("a character code"), "a character code")};
}

Statement ParseType(Words& w) {
  ControlRef c = Control(w.Next("a control"));
  return cmd::Type{std::move(c), Text(w.Next("the text to type"), "the text to type")};
}

Statement ParseKey(Words& w) {
  cmd::Keystroke k;
  k.control = Control(w.Next("a control"));
  const Token& key = w.Next("a key");
  const auto named = key.IsBare() ? KeyCodeFromName(key.bare) : std::nullopt;
  k.code = named ? *named : Short(key, "a key code or name (Left, Enter, ...)");
  if (!w.AtEnd()) k.shift = Short(w.Next("a shift state"), "a shift state");
  return k;
}

Statement ParseMouse(Words& w, cmd::Mouse::Kind kind) {
  cmd::Mouse m;
  m.kind = kind;
  m.control = Control(w.Next("a control"));
  m.button = Short(w.Next("BUTTON"), "BUTTON");
  m.shift = Short(w.Next("SHIFT"), "SHIFT");
  m.x = Number(w.Next("X"), "X");
  m.y = Number(w.Next("Y"), "Y");
  return m;
}

Statement ParseMouseDown(Words& w) { return ParseMouse(w, cmd::Mouse::Kind::Down); }
Statement ParseMouseMove(Words& w) { return ParseMouse(w, cmd::Mouse::Kind::Move); }
Statement ParseMouseUp(Words& w) { return ParseMouse(w, cmd::Mouse::Kind::Up); }
Statement ParseClick(Words& w) { return cmd::Click{false, Control(w.Next("a control"))}; }
Statement ParseDblClick(Words& w) { return cmd::Click{true, Control(w.Next("a control"))}; }

Statement ParseAccessKey(Words& w) {
  ControlRef c = Control(w.Next("a control"));
  return cmd::AccessKey{std::move(c), Short(w.Next("a character code"), "a character code")};
}

Statement ParseCursor(Words& w) {
  cmd::Cursor c;
  if (w.Remaining() == 3) c.control = Control(w.Next("a control"));
  c.x = Int(w.Next("X"), "X");
  c.y = Int(w.Next("Y"), "Y");
  return c;
}

Statement ParseActivate(Words& w) {
  if (w.TakeKeyword("none")) return cmd::Activate{};
  return cmd::Activate{Identifier(w.Next("a form name or none"), "a form name or none")};
}

Statement ParseTick(Words& w) {
  cmd::Tick t;
  if (!w.AtEnd()) t.ms = static_cast<std::uint64_t>(Integer(w.Next("milliseconds"), 0, 1'000'000'000, "milliseconds"));
  return t;
}

Statement ParseClipboard(Words& w) {
  if (w.AtEnd()) return cmd::Simple{cmd::Simple::Kind::Clipboard};
  return cmd::SetClipboard{Text(w.Next("the clipboard's text"), "the clipboard's text")};
}

Statement ParseMenu(Words& w) {
  if (w.AtEnd()) return cmd::Simple{cmd::Simple::Kind::Menu};
  if (w.TakeKeyword("dismiss")) return cmd::MenuAnswer{-1};
  if (w.TakeKeyword("pick")) return cmd::MenuAnswer{Int(w.Next("an item index"), "an item index")};
  Fail("expected pick INDEX or dismiss, got " + Shown(w.Peek()));
}

Statement ParseMsgBox(Words& w) {
  if (w.AtEnd()) return cmd::Simple{cmd::Simple::Kind::MsgBox};
  if (!w.TakeKeyword("answer")) Fail("expected answer OK|CANCEL|YES|NO, got " + Shown(w.Peek()));
  using cmd::BoxAnswer;
  if (w.TakeKeyword("OK")) return cmd::MsgBoxAnswer{BoxAnswer::OK};
  if (w.TakeKeyword("CANCEL")) return cmd::MsgBoxAnswer{BoxAnswer::Cancel};
  if (w.TakeKeyword("YES")) return cmd::MsgBoxAnswer{BoxAnswer::Yes};
  if (w.TakeKeyword("NO")) return cmd::MsgBoxAnswer{BoxAnswer::No};
  Fail("expected OK, CANCEL, YES or NO" + std::string(w.AtEnd() ? "" : ", got " + Shown(w.Peek())));
}

Statement ParseSnapshot(Words& w) {
  ControlRef c = Control(w.Next("a control or form"));
  return cmd::Snapshot{std::move(c), Path(w.Next("a path"))};
}

// ---- property pages

std::u16string Field(const Token& token) {
  const auto ref = token.IsBare() ? ControlRefFromText(token.bare) : std::nullopt;
  if (!ref || ref->isForm) Fail("expected a page control (NAME or name(3)), got " + Shown(token));
  return Wide(ref->Text());
}

Statement ParsePage(Words& w) {
  if (w.TakeKeyword("apply")) return cmd::PageApply{};
  if (w.TakeKeyword("click")) return cmd::PageClick{Field(w.Next("a page control"))};
  if (w.TakeKeyword("let")) {
    std::u16string field = Field(w.Next("a page control"));
    return cmd::PageLet{std::move(field), Value(w.Next("a value"))};
  }
  if (w.Remaining() == 1) {
    if (w.TakeKeyword("changed")) return cmd::Simple{cmd::Simple::Kind::PageChanged};
    return cmd::PageField{Field(w.Next("a page control"))};
  }
  cmd::PageOpen p;
  p.progid = ProgId(w.Next("a property page's ProgID"));
  while (!w.AtEnd()) {
    p.controls.push_back(Control(w.Next("a control")));
    if (p.controls.back().isForm) Fail("a property page shows controls, not the form");
  }
  return p;
}

// ---- the designer

Statement ParseDesign(Words& w) {
  using K = cmd::Simple::Kind;
  using B = cmd::DesignButton::Kind;
  if (w.TakeKeyword("place")) {
    cmd::DesignPlace p;
    p.progid = ProgId(w.Next("a toolbox tool's ProgID"));
    p.x = Number(w.Next("X"), "X");
    p.y = Number(w.Next("Y"), "Y");
    return p;
  }
  if (w.TakeKeyword("tab")) return cmd::DesignTab{Text(w.Next("a tab's caption"), "a tab's caption")};
  if (w.TakeKeyword("sheet")) return cmd::DesignSheet{};
  if (w.TakeKeyword("ok")) return cmd::DesignButton{B::Ok};
  if (w.TakeKeyword("cancel")) return cmd::DesignButton{B::Cancel};
  if (w.TakeKeyword("apply")) return cmd::DesignButton{B::Apply};
  if (w.TakeKeyword("close")) return cmd::DesignClose{};
  if (w.TakeKeyword("selection")) return cmd::Simple{K::DesignSelection};
  if (w.TakeKeyword("changed")) return cmd::Simple{K::DesignChanged};
  if (w.TakeKeyword("tabs")) return cmd::Simple{K::DesignTabs};
  if (w.TakeKeyword("toolbox")) return cmd::Simple{K::DesignToolbox};
  Fail("expected place, sheet, tab, ok, cancel, apply, close, selection, changed, tabs or toolbox after design");
}

// ---- queries

Statement ParseGet(Words& w) { return cmd::Get{Member(w.Next("NAME.PROP"), false)}; }

Statement SimpleQuery(cmd::Simple::Kind kind) { return cmd::Simple{kind}; }

Statement ParseOfControl(Words& w, cmd::OfControl::Kind kind) {
  return cmd::OfControl{kind, Control(w.Next("a control"))};
}

Statement ParsePixel(Words& w) {
  cmd::Pixel p;
  p.control = Control(w.Next("a control"));
  p.x = Int(w.Next("X"), "X");
  p.y = Int(w.Next("Y"), "Y");
  return p;
}

using VerbParser = std::function<Statement(Words&)>;

const std::map<std::string, VerbParser>& Verbs() {
  using K = cmd::Simple::Kind;
  using C = cmd::OfControl::Kind;
  auto simple = [](K kind) { return [kind](Words&) { return SimpleQuery(kind); }; };
  auto ofControl = [](C kind) { return [kind](Words& w) { return ParseOfControl(w, kind); }; };
  static const std::map<std::string, VerbParser> verbs = {
      {"dpi", ParseDpi}, {"decimal", ParseDecimal}, {"form", ParseForm}, {"mdi", ParseMdi},
      {"child", ParseChild}, {"use", ParseUse}, {"load", ParseLoad}, {"save", ParseSave},
      {"add", ParseAdd}, {"read", ParseRead}, {"remove", ParseRemove},
      {"let", ParseLet}, {"set", ParseSet}, {"call", ParseCall}, {"on", ParseOn}, {"off", ParseOff},
      {"focus", ParseFocus}, {"keydown", ParseKeyDown}, {"keyup", ParseKeyUp}, {"keypress", ParseKeyPress},
      {"type", ParseType}, {"key", ParseKey}, {"mousedown", ParseMouseDown}, {"mousemove", ParseMouseMove},
      {"mouseup", ParseMouseUp}, {"click", ParseClick}, {"dblclick", ParseDblClick},
      {"accesskey", ParseAccessKey}, {"cursor", ParseCursor}, {"activate", ParseActivate}, {"tick", ParseTick},
      {"clipboard", ParseClipboard}, {"menu", ParseMenu}, {"msgbox", ParseMsgBox}, {"snapshot", ParseSnapshot},
      {"page", ParsePage}, {"design", ParseDesign}, {"get", ParseGet},
      {"args", simple(K::Args)}, {"events", simple(K::Events)}, {"beeps", simple(K::Beeps)},
      {"changed", simple(K::Changed)}, {"caret", simple(K::Caret)}, {"capture", simple(K::Capture)},
      {"active", simple(K::Active)}, {"tip", simple(K::Tip)}, {"shell", simple(K::Shell)},
      {"ended", simple(K::Ended)}, {"pointer", simple(K::Pointer)},
      {"bag", ofControl(C::Bag)}, {"size", ofControl(C::Size)}, {"prints", ofControl(C::Prints)},
      {"pixel", ParsePixel},
  };
  return verbs;
}

std::string JoinSources(const std::vector<Token>& tokens) {
  std::string out;
  for (const Token& t : tokens) {
    if (!out.empty()) out += ' ';
    out += t.source;
  }
  return out;
}

// One statement (no `expect`); sets its text.
Statement ParseStatement(std::string_view text, std::string& joined) {
  LexResult lexed = Tokenize(text);
  if (lexed.error) Fail(lexed.error->message + " (column " + std::to_string(lexed.error->column) + ")");
  if (lexed.tokens.empty()) Fail("expected a command");
  const Token& verb = lexed.tokens.front();
  const std::string name = AsciiLower(verb.source);
  if (name == "expect") Fail("expect cannot be nested");
  const auto& verbs = Verbs();
  const auto it = verb.IsBare() ? verbs.find(name) : verbs.end();
  if (it == verbs.end()) Fail("unknown command " + Shown(verb));
  joined = JoinSources(lexed.tokens);
  Words words(std::vector<Token>(lexed.tokens.begin() + 1, lexed.tokens.end()));
  Statement statement = it->second(words);
  words.ExpectEnd();
  return statement;
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (IsBlank(s.front()) || s.front() == '\r' || s.front() == '\n')) s.remove_prefix(1);
  while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r' || s.back() == '\n')) s.remove_suffix(1);
  return s;
}

// The word at the start of s (up to a blank) and what follows it, trimmed.
std::pair<std::string_view, std::string_view> SplitFirstWord(std::string_view s) {
  std::size_t end = 0;
  while (end < s.size() && !IsBlank(s[end])) ++end;
  return {s.substr(0, end), TrimBlanks(s.substr(end))};
}

ScriptLine ParseExpect(std::string_view rest, int number) {
  const std::size_t sep = FindExpectSeparator(rest);
  if (sep == std::string_view::npos) Fail("expect needs \" = \" followed by the expected value");
  const std::string_view lhs = TrimBlanks(rest.substr(0, sep));
  const std::string_view rhs = sep + 3 <= rest.size() ? rest.substr(sep + 3) : std::string_view{};
  ScriptLine line;
  line.number = number;
  Expectation e;
  const auto [first, afterFirst] = SplitFirstWord(lhs);
  if (AsciiLower(first) == "error") {
    e.error = true;
    const auto code = LiteralFromText(TrimBlanks(rhs));
    if (!code || code->kind != Literal::Kind::Integer || code->integer < std::numeric_limits<std::int32_t>::min() ||
        code->integer > std::numeric_limits<std::int32_t>::max())
      Fail("expect error needs an error number after \" = \"");
    e.number = static_cast<std::int32_t>(code->integer);
    line.statement = ParseStatement(afterFirst, line.text);
  } else {
    e.text = std::string(rhs);
    line.statement = ParseStatement(lhs, line.text);
    if (!IsQuery(line.statement)) Fail("expect needs a query, got \"" + std::string(first) + "\"");
  }
  line.expect = std::move(e);
  return line;
}

ScriptLine ParseScriptLine(std::string_view text, int number) {
  const auto [first, rest] = SplitFirstWord(text);
  if (AsciiLower(first) == "expect") return ParseExpect(rest, number);
  ScriptLine line;
  line.number = number;
  line.statement = ParseStatement(text, line.text);
  return line;
}

}  // namespace

ParsedLine ParseLine(std::string_view text, int number) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.empty() || trimmed.front() == '#') return std::monostate{};
  try {
    return ParseScriptLine(trimmed, number);
  } catch (const ParseFailure& failure) {
    return ParseError{failure.what()};
  }
}

}  // namespace kelvo::console

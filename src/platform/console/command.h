#pragma once
// A console line as the parser hands it to the interpreter: one statement
// (a command or a query), optionally wrapped as an expectation.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace kelvo::console {

// A value written in a script.
struct Literal {
  enum class Kind : std::uint8_t { String, Integer, Decimal, Hex, Boolean, Nothing, Empty, Null };
  Kind kind = Kind::Empty;
  std::u16string text;       // String
  std::int64_t integer = 0;  // Integer; Hex (0..0xFFFFFFFF); Boolean (1 or 0)
  double decimal = 0;        // Decimal (also an integer beyond 64 bits)

  static Literal String(std::u16string s) { return {Kind::String, std::move(s), 0, 0}; }
  static Literal Integer(std::int64_t v) { return {Kind::Integer, {}, v, 0}; }
  static Literal Decimal(double v) { return {Kind::Decimal, {}, 0, v}; }
  static Literal Hex(std::uint32_t v) { return {Kind::Hex, {}, v, 0}; }
  static Literal Boolean(bool v) { return {Kind::Boolean, {}, v ? 1 : 0, 0}; }
  static Literal Of(Kind k) { return {k, {}, 0, 0}; }
  friend bool operator==(const Literal&, const Literal&) = default;
};

// NAME, name(3), or form (the current form itself).
struct ControlRef {
  std::u16string name;
  std::optional<int> index;
  bool isForm = false;

  static ControlRef Form() { return {{}, std::nullopt, true}; }
  // "name", "name(3)" or "form", as scripts write it.
  std::string Text() const;
  friend bool operator==(const ControlRef&, const ControlRef&) = default;
};

// NAME.MEMBER, or NAME.EVENT#N for `on`.
struct MemberRef {
  ControlRef target;
  std::u16string member;
  std::optional<int> occurrence;  // #N

  std::string Text() const;  // "t.Text", "a(2).Click"
  friend bool operator==(const MemberRef&, const MemberRef&) = default;
};

struct KeyValue {
  std::u16string key;
  Literal value;
  friend bool operator==(const KeyValue&, const KeyValue&) = default;
};

struct TwipsBox {
  double left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const TwipsBox&, const TwipsBox&) = default;
};

namespace cmd {

// Environment and forms.
struct Dpi { int dpi = 96; };
struct Decimal { char16_t separator = u'.'; };
struct NewForm {
  bool mdiFrame = false;
  std::u16string name;
  std::optional<std::pair<double, double>> size;
  std::optional<std::pair<int, int>> at;
  bool design = false;
};
struct NewChild {
  std::u16string name;
  std::u16string frame;
  std::optional<std::pair<double, double>> size;
};
struct Use { std::u16string form; };
struct Load { std::u16string path; bool design = false; };
struct Save { std::u16string path; };
struct Place {
  bool loaded = false;  // `read` (ReadProperties) rather than `add` (InitProperties)
  std::u16string progid;
  ControlRef name;
  TwipsBox rect;
  std::vector<KeyValue> keys;
};
struct Remove { ControlRef control; };

// Properties, methods, events.
struct Let { MemberRef member; Literal value; };
struct SetFont {
  MemberRef member;
  std::u16string name;
  double size = 0;
  bool bold = false, italic = false, underline = false;
};
struct SetPicture { MemberRef member; std::u16string path; };
struct SetNothing { MemberRef member; };
struct Call { MemberRef member; std::vector<Literal> args; };
struct On { MemberRef event; std::vector<KeyValue> args; };
struct Off { MemberRef event; };

// Input.
struct Focus { ControlRef control; };
struct KeyUpDown { bool up = false; ControlRef control; std::int16_t code = 0; std::int16_t shift = 0; };
struct KeyPress { ControlRef control; std::int16_t code = 0; };
struct Type { ControlRef control; std::u16string text; };
struct Keystroke { ControlRef control; std::int16_t code = 0; std::int16_t shift = 0; };
struct Mouse {
  enum class Kind : std::uint8_t { Down, Move, Up };
  Kind kind = Kind::Down;
  ControlRef control;
  std::int16_t button = 0, shift = 0;
  double x = 0, y = 0;
};
struct Click { bool doubleClick = false; ControlRef control; };
struct AccessKey { ControlRef control; std::int16_t code = 0; };
struct Cursor { std::optional<ControlRef> control; int x = 0, y = 0; };
struct Activate { std::optional<std::u16string> form; };  // none: another application
struct Tick { std::uint64_t ms = 175; };
struct SetClipboard { std::u16string text; };
struct MenuAnswer { int index = -1; };
enum class BoxAnswer : std::uint8_t { OK, Cancel, Yes, No };
struct MsgBoxAnswer { BoxAnswer answer = BoxAnswer::OK; };
struct Snapshot { ControlRef control; std::u16string path; };

// Property pages.
struct PageOpen { std::u16string progid; std::vector<ControlRef> controls; };
struct PageLet { std::u16string field; Literal value; };
struct PageClick { std::u16string field; };
struct PageApply {};

// The designer of the current form.
struct DesignPlace { std::u16string progid; double x = 0, y = 0; };
struct DesignSheet {};
struct DesignTab { std::u16string caption; };
struct DesignButton {
  enum class Kind : std::uint8_t { Ok, Cancel, Apply };
  Kind kind = Kind::Ok;
};
struct DesignClose {};

// Queries (`call` is one too).
struct Get { MemberRef member; };
struct Simple {
  enum class Kind : std::uint8_t {
    Args, Events, Beeps, Clipboard, Changed, Caret, Focus, Capture, Active, Tip, Menu, MsgBox,
    PageChanged, Shell, Ended, Pointer, DesignSelection, DesignChanged, DesignTabs, DesignToolbox,
  };
  Kind kind = Kind::Args;
};
struct OfControl {
  enum class Kind : std::uint8_t { Bag, Size, Prints };
  Kind kind = Kind::Bag;
  ControlRef control;
};
struct Pixel { ControlRef control; int x = 0, y = 0; };
struct PageField { std::u16string field; };

}  // namespace cmd

using Statement =
    std::variant<cmd::Dpi, cmd::Decimal, cmd::NewForm, cmd::NewChild, cmd::Use, cmd::Load, cmd::Save, cmd::Place,
                 cmd::Remove, cmd::Let, cmd::SetFont, cmd::SetPicture, cmd::SetNothing, cmd::Call, cmd::On, cmd::Off,
                 cmd::Focus, cmd::KeyUpDown, cmd::KeyPress, cmd::Type, cmd::Keystroke, cmd::Mouse, cmd::Click,
                 cmd::AccessKey, cmd::Cursor, cmd::Activate, cmd::Tick, cmd::SetClipboard, cmd::MenuAnswer,
                 cmd::MsgBoxAnswer, cmd::Snapshot, cmd::PageOpen, cmd::PageLet, cmd::PageClick, cmd::PageApply,
                 cmd::DesignPlace, cmd::DesignSheet, cmd::DesignTab, cmd::DesignButton, cmd::DesignClose, cmd::Get,
                 cmd::Simple, cmd::OfControl, cmd::Pixel, cmd::PageField>;

// Whether the statement prints a value and so may stand in `expect QUERY = VALUE`.
bool IsQuery(const Statement& statement);

struct Expectation {
  bool error = false;          // `expect error COMMAND = NUMBER`
  std::string text;            // the expected value, exactly as written after " = "
  std::int32_t number = 0;     // the expected error number
};

struct ScriptLine {
  int number = 0;
  std::string text;  // the statement's words joined by one blank (a query's label)
  Statement statement;
  std::optional<Expectation> expect;
};

}  // namespace kelvo::console

#include "platform/console/interpreter.h"

#include <variant>

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/console/handlers.h"
#include "platform/console/parser.h"
#include "platform/console/word_rules.h"
#include "platform/gfx/color.h"

namespace kelvo::console {
namespace {

std::string RuntimeError(const com::Error& e) {
  return std::to_string(e.number()) + " " + text::ToUtf8(e.description());
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<gfx::Rgb> HashColour(std::string_view text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  int channels[3];
  for (int i = 0; i < 3; ++i) {
    const int high = HexValue(text[1 + 2 * i]);
    const int low = HexValue(text[2 + 2 * i]);
    if (high < 0 || low < 0) return std::nullopt;
    channels[i] = high * 16 + low;
  }
  return gfx::Rgb{static_cast<std::uint8_t>(channels[0]), static_cast<std::uint8_t>(channels[1]),
                  static_cast<std::uint8_t>(channels[2])};
}

std::optional<gfx::Rgb> ColourOf(std::string_view text) {
  if (auto rgb = HashColour(text)) return rgb;
  const auto literal = LiteralFromText(text);
  if (!literal) return std::nullopt;
  if (literal->kind == Literal::Kind::Hex ||
      (literal->kind == Literal::Kind::Integer && literal->integer >= 0 && literal->integer <= 0xFFFFFFFF))
    return gfx::ResolveColor(static_cast<gfx::OleColor>(literal->integer));
  return std::nullopt;
}

}  // namespace

bool ColoursMatch(std::string_view expected, std::string_view actual) {
  const auto want = ColourOf(expected);
  const auto got = ColourOf(actual);
  return want && got && *want == *got;
}

Interpreter::Interpreter(forms::Application& app, std::ostream& out) : session_(app), out_(out) {}

void Interpreter::RunLine(std::string_view text, int number) {
  const ParsedLine parsed = ParseLine(text, number);
  if (const auto* error = std::get_if<ParseError>(&parsed)) {
    Error(number, error->message);
    return;
  }
  const auto* line = std::get_if<ScriptLine>(&parsed);
  if (line == nullptr) return;
  if (!line->expect) RunCommand(*line);
  else if (line->expect->error) CheckError(*line);
  else CheckValue(*line);
}

Outcome Interpreter::Execute(const Statement& statement) {
  return std::visit([this](const auto& command) { return Run(session_, command); }, statement);
}

template <class Body>
void Interpreter::Guarded(int number, Body&& body) {
  try {
    body();
  } catch (const com::Error& e) {
    Error(number, RuntimeError(e));
  } catch (const std::exception& e) {
    Error(number, e.what());
  } catch (...) {
    Error(number, "unknown failure");
  }
}

void Interpreter::RunCommand(const ScriptLine& line) {
  Guarded(line.number, [&] {
    const Outcome outcome = Execute(line.statement);
    if (!outcome) return;
    out_ << (outcome->label.empty() ? line.text : outcome->label);
    if (outcome->value) out_ << " = " << *outcome->value;
    out_ << '\n';
  });
}

void Interpreter::CheckValue(const ScriptLine& line) {
  Guarded(line.number, [&] {
    const Outcome outcome = Execute(line.statement);
    const std::string actual = outcome && outcome->value ? *outcome->value : std::string();
    const std::string& expected = line.expect->text;
    const bool holds = std::holds_alternative<cmd::Pixel>(line.statement) ? ColoursMatch(expected, actual)
                                                                          : expected == actual;
    if (holds) Pass();
    else Fail(line.number, expected, actual);
  });
}

void Interpreter::CheckError(const ScriptLine& line) {
  const std::string expected = "error " + std::to_string(line.expect->number);
  try {
    Execute(line.statement);
  } catch (const com::Error& e) {
    if (e.number() == line.expect->number) Pass();
    else Fail(line.number, expected, "error " + RuntimeError(e));
    return;
  } catch (const std::exception& e) {
    Error(line.number, e.what());
    return;
  } catch (...) {
    Error(line.number, "unknown failure");
    return;
  }
  Fail(line.number, expected, "no error");
}

void Interpreter::Pass() {
  ++passed_;
  out_ << "ok\n";
}

void Interpreter::Fail(int number, const std::string& expected, const std::string& got) {
  ++failed_;
  out_ << "FAIL line " << number << ": expected " << expected << ", got " << got << '\n';
}

void Interpreter::Error(int number, const std::string& message) {
  ++failed_;
  out_ << "ERROR line " << number << ": " << message << '\n';
}

}  // namespace kelvo::console

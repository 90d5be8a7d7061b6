#pragma once
// Runs console lines one at a time and keeps the count: each `expect` that
// holds is one passed; each failing expect, each command that raises a
// runtime error (`ERROR line N: NUMBER DESCRIPTION`) and each line that
// cannot be parsed or executed (`ERROR line N: ...`) is one failed.

#include <ostream>
#include <string_view>

#include "platform/console/command.h"
#include "platform/console/session.h"

namespace kelvo::console {

class Interpreter {
 public:
  Interpreter(forms::Application& app, std::ostream& out);

  void RunLine(std::string_view text, int number);
  int Passed() const { return passed_; }
  int Failed() const { return failed_; }

 private:
  Outcome Execute(const Statement& statement);
  void RunCommand(const ScriptLine& line);
  void CheckValue(const ScriptLine& line);
  void CheckError(const ScriptLine& line);
  void Pass();
  void Fail(int number, const std::string& expected, const std::string& got);
  void Error(int number, const std::string& message);
  // Runs body; a runtime or console error is printed as ERROR and counted.
  template <class Body>
  void Guarded(int number, Body&& body);

  Session session_;
  std::ostream& out_;
  int passed_ = 0;
  int failed_ = 0;
};

// Whether the `pixel` query's value matches what an expect line wrote:
// #RRGGBB, or an OLE colour (&H8000000F&) resolved through the system colours.
bool ColoursMatch(std::string_view expected, std::string_view actual);

}  // namespace kelvo::console

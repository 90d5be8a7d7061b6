#include "platform/console/console.h"

#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/console/interpreter.h"
#include "platform/gfx/font.h"
#include "platform/win/backend.h"
#include "platform/win/window_system.h"

namespace kelvo::console {
namespace {

// Editors may start a UTF-8 file with a byte-order mark; it is not part of the first line.
void DropByteOrderMark(std::string& line) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  if (line.starts_with(kMark)) line.erase(0, kMark.size());
}

}  // namespace

void UseHeadlessEnvironment() {
  win::WindowSystem& ws = win::WindowSystem::Get();
  if (dynamic_cast<win::HeadlessBackend*>(&ws.backend()) == nullptr)
    ws.InstallBackend(std::make_unique<win::HeadlessBackend>());
  gfx::SetFontSource(gfx::FontSource::Builtin);
}

int RunScript(std::istream& in, std::ostream& out, forms::Application& app) {
  UseHeadlessEnvironment();
  Interpreter interpreter(app, out);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    if (number == 0) DropByteOrderMark(line);
    interpreter.RunLine(line, ++number);
    out.flush();
  }
  out << interpreter.Passed() << " passed, " << interpreter.Failed() << " failed\n";
  out.flush();
  return interpreter.Failed() == 0 ? 0 : 1;
}

int RunScriptFile(const std::string& path, std::ostream& out, forms::Application& app) {
  if (path == "-") return RunScript(std::cin, out, app);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open script " + path);
  return RunScript(in, out, app);
}

}  // namespace kelvo::console

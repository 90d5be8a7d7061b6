#include "platform/console/console.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
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

// A script is read whole lines at a time, so that input without line ends
// (standard input from a device) cannot grow one line without bound.
constexpr std::size_t kMaxScriptBytes = std::size_t{16} << 20;

class ScriptReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The next line into line; false at the end of the input. Counts what was
// read into total and refuses a script past the limit.
bool ReadScriptLine(std::istream& in, std::string& line, std::size_t& total) {
  line.clear();
  errno = 0;
  char c;
  while (in.get(c)) {
    if (++total > kMaxScriptBytes) throw ScriptReadError("it is larger than 16 MiB");
    if (c == '\n') return true;
    line.push_back(c);
  }
  if (in.bad()) throw ScriptReadError(std::strerror(errno != 0 ? errno : EIO));
  return !line.empty();
}

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
  std::size_t total = 0;
  while (ReadScriptLine(in, line, total)) {
    if (number == 0) DropByteOrderMark(line);
    interpreter.RunLine(line, ++number);
    out.flush();
  }
  out << interpreter.Passed() << " passed, " << interpreter.Failed() << " failed\n";
  out.flush();
  // A transcript that did not reach its reader is no success.
  if (!out) throw std::runtime_error("cannot write the transcript to the output");
  return interpreter.Failed() == 0 ? 0 : 1;
}

int RunScriptFile(const std::string& path, std::ostream& out, forms::Application& app) {
  const std::string name = path == "-" ? "standard input" : path;
  try {
    if (path == "-") return RunScript(std::cin, out, app);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw ScriptReadError("it is a directory");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open script " + path);
    return RunScript(in, out, app);
  } catch (const ScriptReadError& e) {
    throw std::runtime_error("cannot read script " + name + ": " + e.what());
  }
}

}  // namespace kelvo::console

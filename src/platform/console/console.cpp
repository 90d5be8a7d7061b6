#include "platform/console/console.h"

#include <memory>
#include <string>

#include "platform/console/interpreter.h"
#include "platform/gfx/font.h"
#include "platform/win/backend.h"
#include "platform/win/window_system.h"

namespace kelvo::console {

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
    interpreter.RunLine(line, ++number);
    out.flush();
  }
  out << interpreter.Passed() << " passed, " << interpreter.Failed() << " failed\n";
  out.flush();
  return interpreter.Failed() == 0 ? 0 : 1;
}

}  // namespace kelvo::console

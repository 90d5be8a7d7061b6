#pragma once
// Runs a console script against a fresh application and returns the transcript.

#include <sstream>
#include <string>
#include <string_view>

#include "platform/console/console.h"
#include "platform/forms/application.h"
#include "probe_control.h"
#include "probe_page.h"

namespace kelvo::console::testing {

struct Transcript {
  std::string text;
  int status = 0;
};

inline Transcript RunConsole(std::string_view script) {
  RegisterProbe();
  RegisterProbePage();
  forms::Application app;
  std::istringstream in{std::string(script)};
  std::ostringstream out;
  const int status = RunScript(in, out, app);
  return {out.str(), status};
}

}  // namespace kelvo::console::testing

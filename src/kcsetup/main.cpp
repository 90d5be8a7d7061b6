// KCSetup: installs or removes the control library named in KCSETUP.LST,
// from the folder the program itself is in.
//
//   KCSetup                  the setup window
//   KCSetup --script FILE|-  drives the window headless with an automation console script
#include <filesystem>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "kcsetup/setup_program.h"
#include "kcsetup/setup_window.h"
#include "platform/console/console.h"
#include "platform/forms/application.h"
#include "platform/win/sdl/sdl_backend.h"

namespace {

using namespace kelvo;

constexpr int kFailure = 1;

void PrintUsage(std::ostream& out) {
  out << "usage: KCSetup\n"
         "       KCSetup --script FILE|-\n"
         "\n"
         "  (no option)     open the setup window\n"
         "  --script FILE   run an automation console script on the setup window, headless\n"
         "                  (- reads standard input)\n";
}

int Fail(const std::string& message) {
  std::cerr << "KCSetup: " << message << '\n';
  return kFailure;
}

// The setup window with its code; the code outlives the application, which
// still tells it about the window's unloading.
class Setup {
 public:
  Setup() {
    program_ = std::make_unique<kcsetup::SetupProgram>(kcsetup::CreateSetupWindow(app_), ProgramDirectory());
    program_->Start();
  }
  forms::Application& App() { return app_; }

 private:
  static std::filesystem::path ProgramDirectory() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
  }

  std::unique_ptr<kcsetup::SetupProgram> program_;
  forms::Application app_;
};

int RunScript(const std::string& script) {
  console::UseHeadlessEnvironment();
  Setup setup;
  try {
    return console::RunScriptFile(script, std::cout, setup.App());
  } catch (const std::runtime_error& e) {
    return Fail(e.what());
  }
}

int RunWindow() {
  try {
    win::InstallSdlBackend();
  } catch (const win::DisplayUnavailable& e) {
    return Fail(std::string(e.what()) + "; use --script FILE to run without a display");
  }
  Setup setup;
  win::RunEventLoop([&setup] { return setup.App().Ended(); });
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (argc == 1) return RunWindow();
  if (first == "--help" || first == "-h") {
    PrintUsage(std::cout);
    return 0;
  }
  if (first == "--script" && argc == 3) return RunScript(argv[2]);
  std::cerr << "KCSetup: " << (first == "--script" && argc == 2 ? "--script needs a file (or - for standard input)"
                                                                  : "unknown arguments") << "\n\n";
  PrintUsage(std::cerr);
  return kFailure;
}

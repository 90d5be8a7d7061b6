// formrun: runs a form file in a window, renders it to PNG without a display,
// or drives the forms with an automation console script.
//
//   formrun --script FILE|-                           run a console script headless
//   formrun FORMFILE --headless --snapshot OUT.png [--design]
//   formrun FORMFILE [--design]                       open the form in a window (with
//                                                     --design: toolbox, property sheet on F4
//                                                     or a double click, Ctrl+S saves)
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/console/console.h"
#include "platform/forms/application.h"
#include "platform/forms/design_window.h"
#include "platform/forms/formfile.h"
#include "platform/gfx/picture.h"
#include "platform/win/compose.h"
#include "platform/win/sdl/sdl_backend.h"

namespace {

using namespace kelvo;

constexpr int kFailure = 1;

struct Options {
  std::optional<std::string> script;
  std::optional<std::string> formFile;
  std::optional<std::string> snapshot;
  bool headless = false;
  bool design = false;
  bool help = false;
};

void PrintUsage(std::ostream& out) {
  out << "usage: formrun --script FILE|-\n"
         "       formrun FORMFILE --headless --snapshot OUT.png [--design]\n"
         "       formrun FORMFILE [--design]\n"
         "\n"
         "  --script FILE   run an automation console script (- reads standard input)\n"
         "  --headless      no window: render the form without a display, to --snapshot\n"
         "  --snapshot OUT  write the composed form as a PNG image (implies --headless)\n"
         "  --design        open the form in design mode\n";
}

// Fills options from the command line; returns an error message when it is wrong.
std::optional<std::string> ParseArguments(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= argc) return std::nullopt;
      return std::string(argv[++i]);
    };
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--script") {
      options.script = value();
      if (!options.script) return "--script needs a file (or - for standard input)";
    } else if (arg == "--snapshot") {
      options.snapshot = value();
      if (!options.snapshot) return "--snapshot needs an output file";
      options.headless = true;
    } else if (arg == "--headless") {
      options.headless = true;
    } else if (arg == "--design") {
      options.design = true;
    } else if (arg.size() > 1 && arg.front() == '-') {
      return "unknown option " + std::string(arg);
    } else if (!options.formFile) {
      options.formFile = std::string(arg);
    } else {
      return "only one form file may be given";
    }
  }
  if (options.help) return std::nullopt;
  if (options.script && options.formFile) return "--script runs a script; give no form file with it";
  if (options.script && (options.headless || options.design)) return "--script takes no other option";
  if (!options.script && !options.formFile) return "nothing to do: give a form file or --script FILE";
  if (options.headless && !options.snapshot) return "--headless shows nothing: give --snapshot OUT.png";
  return std::nullopt;
}

int Fail(const std::string& message) {
  std::cerr << "formrun: " << message << '\n';
  return kFailure;
}

int RunScriptFile(const std::string& path) {
  forms::Application app;
  try {
    return console::RunScriptFile(path, std::cout, app);
  } catch (const std::runtime_error& e) {
    return Fail(e.what());
  }
}

// Loads the form file; prints why it cannot and returns nullptr.
forms::Form* LoadForm(forms::Application& app, const Options& options) {
  try {
    return &app.LoadFormFile(*options.formFile, options.design);
  } catch (const forms::FormValueError& e) {
    Fail(e.what());  // placed already: FILE:LINE: PROPERTY: message (number)
  } catch (const com::Error& e) {
    Fail(*options.formFile + ": " + std::to_string(e.number()) + " " + text::ToUtf8(e.description()));
  } catch (const std::exception& e) {
    Fail(e.what());
  }
  return nullptr;
}

int WriteSnapshot(const Options& options) {
  console::UseHeadlessEnvironment();
  forms::Application app;
  forms::Form* form = LoadForm(app, options);
  if (form == nullptr) return kFailure;
  try {
    gfx::WritePng(win::ComposeWindow(form->Hwnd()), *options.snapshot);
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
  return 0;
}

int OpenWindow(const Options& options) {
  try {
    win::InstallSdlBackend();
  } catch (const win::DisplayUnavailable& e) {
    return Fail(std::string(e.what()) + "; use --headless --snapshot OUT.png or --script FILE");
  }
  forms::Application app;
  forms::Form* form = LoadForm(app, options);
  if (form == nullptr) return kFailure;
  std::optional<forms::DesignWindow> design;
  if (options.design) design.emplace(*form);
  // Until the form is closed (a designed form's toolbox and sheet go with it)
  // or the program ends itself.
  const std::u16string name = form->Name();
  win::RunEventLoop([&] { return app.Ended() || (design && app.FindForm(name) == nullptr); });
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (const auto error = ParseArguments(argc, argv, options)) {
    std::cerr << "formrun: " << *error << "\n\n";
    PrintUsage(std::cerr);
    return kFailure;
  }
  if (options.help) {
    PrintUsage(std::cout);
    return 0;
  }
  if (options.script) return RunScriptFile(*options.script);
  if (options.headless) return WriteSnapshot(options);
  return OpenWindow(options);
}

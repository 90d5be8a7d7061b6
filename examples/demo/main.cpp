// The demo: a customer card built from the library's controls.
//
//   demo [--event-log FILE]                 in a window; without a display, as --headless
//   demo --headless [--snapshot OUT.png]    types a sample customer, writes the picture
//                                           (demo.png in the current directory by default)
//   demo --script FILE|- [--event-log FILE] drives the card with an automation console script
//
// KLVCTL32.OCX must be registered first (REGSVR32.EXE KLVCTL32.OCX).
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "customer_card.h"
#include "event_log.h"
#include "platform/app/app.h"
#include "platform/base/environment.h"
#include "platform/base/text.h"
#include "platform/win/sdl/sdl_backend.h"
#include "sample_customer.h"

namespace {

using namespace kelvo;

constexpr int kFailure = 1;
constexpr const char* kFormFile = "customer_card.frm";
constexpr const char* kDefaultPicture = "demo.png";
// A class of the control library, to tell whether the library is registered.
constexpr std::u16string_view kLibraryClass = u"KLVCTL32.KelvoTextEdit";

struct Options {
  std::optional<std::string> script;
  std::optional<std::string> snapshot;
  std::optional<std::string> eventLog;
  bool headless = false;
  bool help = false;
};

void PrintUsage(std::ostream& out) {
  out << "usage: demo [--event-log FILE]\n"
         "       demo --headless [--snapshot OUT.png] [--event-log FILE]\n"
         "       demo --script FILE|- [--event-log FILE]\n"
         "\n"
         "  (no option)       open the customer card in a window; without a display, as --headless\n"
         "  --headless        type a sample customer without a display and write the picture\n"
         "  --snapshot OUT    where --headless writes the picture (default "
      << kDefaultPicture
      << ")\n"
         "  --script FILE     run an automation console script on the card (- reads standard input)\n"
         "  --event-log FILE  write every event the card sees to FILE, a line each\n";
}

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
      if (!(options.script = value())) return "--script needs a file (or - for standard input)";
    } else if (arg == "--snapshot") {
      if (!(options.snapshot = value())) return "--snapshot needs an output file";
      options.headless = true;
    } else if (arg == "--event-log") {
      if (!(options.eventLog = value())) return "--event-log needs a file";
    } else if (arg == "--headless") {
      options.headless = true;
    } else {
      return "unknown argument " + std::string(arg);
    }
  }
  if (options.script && options.headless) return "--script runs headless already; give no --headless or --snapshot";
  return std::nullopt;
}

int Fail(const std::string& message) {
  std::cerr << "demo: " << message << '\n';
  return kFailure;
}

// The form file is installed next to the program.
std::filesystem::path FormFile() { return std::filesystem::read_symlink("/proc/self/exe").parent_path() / kFormFile; }

// The application in its mode with the customer card loaded, its code
// attached and the event log, when there is one, listening.
class DemoApp {
 public:
  DemoApp(app::Mode mode, demo::EventLog* log) : app_(mode) {
    if (!app::App::IsRegistered(kLibraryClass)) {
      throw std::runtime_error("KLVCTL32.OCX is not registered under " + env::Root().string() +
                               ": register it first with REGSVR32.EXE KLVCTL32.OCX");
    }
    if (log != nullptr) app_.Raw().AddListener(log);
    card_ = app_.Load(FormFile());
    demo::AttachCustomerCard(app_, *card_, [log](std::string_view line) {
      if (log) log->Note(line);
    });
  }

  app::App& App() { return app_; }
  const app::Form& Card() const { return *card_; }

 private:
  app::App app_;
  std::optional<app::Form> card_;
};

// Runs body on the loaded demo, turning the errors a load or a handler may
// raise into a message (a missing display is the caller's to handle). The event log is closed after the application has
// unloaded, and a write it lost fails the run.
template <typename Body>
int Guarded(const Options& options, app::Mode mode, Body body) {
  try {
    std::unique_ptr<demo::EventLog> log;
    if (options.eventLog) log = std::make_unique<demo::EventLog>(*options.eventLog);
    int status;
    {
      DemoApp demo(mode, log.get());
      status = body(demo);
    }
    if (log) log->Close();
    return status;
  } catch (const win::DisplayUnavailable&) {
    throw;
  } catch (const com::Error& e) {
    return Fail(std::to_string(e.number()) + " " + text::ToUtf8(e.description()));
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
}

int RunScript(const Options& options) {
  return Guarded(options, app::Mode::Script,
                 [&](DemoApp& demo) { return demo.App().RunScript(*options.script, std::cout); });
}

// Without a display: the headless backend with the real fonts, a sample
// customer typed in, and the picture written where the user is told.
int RunHeadless(const Options& options) {
  return Guarded(options, app::Mode::Headless, [&](DemoApp& demo) {
    demo::TypeSampleCustomer(demo.Card());
    const std::filesystem::path picture = options.snapshot.value_or(kDefaultPicture);
    demo.Card().Snapshot(picture);
    std::cout << "demo: the customer card is in " << std::filesystem::absolute(picture).string() << '\n';
    return 0;
  });
}

int RunWindow(const Options& options) {
  try {
    return Guarded(options, app::Mode::Window, [](DemoApp& demo) { return demo.App().Run(); });
  } catch (const win::DisplayUnavailable& e) {
    std::cout << "demo: " << e.what() << "; running headless instead\n";
    return RunHeadless(options);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (const auto error = ParseArguments(argc, argv, options)) {
    std::cerr << "demo: " << *error << "\n\n";
    PrintUsage(std::cerr);
    return kFailure;
  }
  if (options.help) {
    PrintUsage(std::cout);
    return 0;
  }
  if (options.script) return RunScript(options);
  if (options.headless) return RunHeadless(options);
  return RunWindow(options);
}

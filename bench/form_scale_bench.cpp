// A form of N controls of the control library, created through the registry
// and the library's class factories as programs create them, then painted
// headless: built in memory control by control, and loaded from a form file.
// Text edits with and without a mask, 3D panels and 3D lines in turn, plus
// one focus engine. Growth should be linear: compare N = 1000 with N = 10,000.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/base/text.h"
#include "platform/com/classfactory.h"
#include "platform/console/console.h"
#include "platform/forms/application.h"
#include "platform/win/compose.h"
#include "support/temp_dir.h"

namespace {

using namespace kelvo;

struct Kind {
  std::string progId;
  std::string prefix;
  std::string properties;  // form-file lines
};

const std::array<Kind, 4>& Kinds() {
  static const std::array<Kind, 4> kinds = {{
      {"KLVCTL32.KelvoTextEdit", "txtMasked", "      Mask = \"(999) 999-9999\"\n"},
      {"KLVCTL32.KelvoTextEdit", "txtPlain", "      Text = \"plain text\"\n"},
      {"KLVCTL32.KelvoPanel3D", "pnlBox", "      BorderWidth = 2\n"},
      {"KLVCTL32.KelvoLine3D", "linRule", "      LineStyle = 2\n"},
  }};
  return kinds;
}

constexpr double kFormWidth = 12000, kFormHeight = 9000;
constexpr double kCellWidth = 1500, kCellHeight = 330;

// Controls fill the form in a grid that wraps to the top, so the form's size
// (and the pixels painted) stays the same whatever N is.
forms::TwipsRect Cell(int i) {
  constexpr int columns = static_cast<int>(kFormWidth / kCellWidth);
  constexpr int rows = static_cast<int>(kFormHeight / kCellHeight);
  return {(i % columns) * kCellWidth, ((i / columns) % rows) * kCellHeight, kCellWidth - 60, kCellHeight - 30};
}

// A fresh KELVO_ROOT with the built library registered in it.
class RegisteredLibrary {
 public:
  RegisteredLibrary() {
    console::UseHeadlessEnvironment();
    void* library = ::dlopen(KELVO_SERVER_FILE, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) throw std::runtime_error(std::string("cannot load ") + KELVO_SERVER_FILE);
    const auto registerServer = reinterpret_cast<com::DllRegisterServerFn>(::dlsym(library, "DllRegisterServer"));
    if (registerServer == nullptr || registerServer() != com::S_OK) throw std::runtime_error("registration failed");
  }
  const std::filesystem::path& dir() const { return root_.dir(); }

 private:
  testing::TempRoot root_;
};

RegisteredLibrary& Library() {
  static RegisteredLibrary library;
  return library;
}

void WriteControl(std::ofstream& out, const Kind& kind, int i) {
  const forms::TwipsRect r = Cell(i);
  out << "   Begin " << kind.progId << ' ' << kind.prefix << i << '\n'
      << "      Left = " << r.left << "\n      Top = " << r.top << "\n      Width = " << r.width
      << "\n      Height = " << r.height << '\n'
      << kind.properties << "   End\n";
}

std::filesystem::path WriteFormFile(int controls) {
  const std::filesystem::path file = Library().dir() / ("form" + std::to_string(controls) + ".frm");
  if (std::filesystem::exists(file)) return file;
  std::ofstream out(file);
  out << "Begin Form frmScale\n   Caption = \"Scale\"\n   ClientWidth = " << kFormWidth
      << "\n   ClientHeight = " << kFormHeight << '\n';
  out << "   Begin KLVCTL32.KelvoEnginer engFocus\n      Left = 0\n      Top = 0\n   End\n";
  for (int i = 1; i < controls; ++i) WriteControl(out, Kinds()[i % Kinds().size()], i);
  out << "End\n";
  return file;
}

void BM_BuildFormInMemory(benchmark::State& state) {
  Library();
  const int controls = static_cast<int>(state.range(0));
  for (auto _ : state) {
    forms::Application app;
    forms::Form& form = app.CreateForm(u"frmScale", {.clientWidth = kFormWidth, .clientHeight = kFormHeight});
    form.AddControl(u"KLVCTL32.KelvoEnginer", u"engFocus", {0, 0, 0, 0});
    for (int i = 1; i < controls; ++i) {
      const Kind& kind = Kinds()[i % Kinds().size()];
      form.AddControl(text::FromUtf8(kind.progId), text::FromUtf8(kind.prefix + std::to_string(i)), Cell(i));
    }
    benchmark::DoNotOptimize(win::ComposeWindow(form.Hwnd()));
  }
  state.SetComplexityN(controls);
}

void BM_LoadFormFile(benchmark::State& state) {
  const int controls = static_cast<int>(state.range(0));
  const std::filesystem::path file = WriteFormFile(controls);
  for (auto _ : state) {
    forms::Application app;
    forms::Form& form = app.LoadFormFile(file);
    benchmark::DoNotOptimize(win::ComposeWindow(form.Hwnd()));
  }
  state.SetComplexityN(controls);
}

}  // namespace

BENCHMARK(BM_LoadFormFile)->Arg(1)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildFormInMemory)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

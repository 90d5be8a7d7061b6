// The focus engine's tick over a form of N text edits, the engine last: every
// edit is reached by name through the form's Controls collection, gets
// ToKelvoEnginer and is reported through CheckKelvoControls. A tick comes
// every 175 ms; the sweep over 1000 controls should take under 2 % of that.
#include <benchmark/benchmark.h>

#include <string>

#include "klvctl32/host/enginer.h"
#include "klvctl32/textedit/textedit.h"
#include "platform/base/text.h"
#include "platform/com/object.h"
#include "platform/forms/application.h"
#include "platform/gfx/font.h"

namespace kelvo::klvctl32 {
namespace {

void BM_FocusSweep(benchmark::State& state) {
  forms::RegisterControlClass(u"KLVCTL32.KelvoTextEdit", [] { return com::MakeObject<KelvoTextEdit>(); });
  forms::RegisterControlClass(u"KLVCTL32.KelvoEnginer", [] { return com::MakeObject<KelvoEnginer>(); });
  gfx::SetFontSource(gfx::FontSource::Builtin);
  forms::Application app;
  forms::Form& form = app.CreateForm(u"frm", {.clientWidth = 12000, .clientHeight = 9000});
  const int edits = static_cast<int>(state.range(0)) - 1;
  for (int i = 0; i < edits; ++i) {
    const double top = (i % 25) * 330.0;
    form.AddControl(u"KLVCTL32.KelvoTextEdit", text::FromUtf8("txt" + std::to_string(i)),
                    {(i / 25 % 8) * 1500.0, top, 1440, 300});
  }
  forms::Control& engine = form.AddControl(u"KLVCTL32.KelvoEnginer", u"eng", {0, 0, 100, 100});
  auto& enginer = static_cast<KelvoEnginer&>(*engine.Instance());
  for (auto _ : state) enginer.FocusSweep();
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FocusSweep)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelvo::klvctl32

BENCHMARK_MAIN();

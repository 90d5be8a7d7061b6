// A command button's hover repaint (the face with a 16-pixel picture, the
// caption and three rings, laid out again) next to the surface's bare fill
// and text over the same area, the yardstick of any repaint.
#include <benchmark/benchmark.h>

#include <vector>

#include "klvctl32/buttons/activecommand.h"
#include "platform/forms/application.h"
#include "platform/forms/stdobjects.h"
#include "platform/gfx/font.h"
#include "surface_yardstick.h"

namespace kelvo::klvctl32 {
namespace {

constexpr double kWidth = 100 * 15;
constexpr double kHeight = 30 * 15;

void BM_CommandHoverRepaint(benchmark::State& state) {
  forms::RegisterControlClass(u"KLVCTL32.KelvoActiveCommand", [] { return com::MakeObject<KelvoActiveCommand>(); });
  gfx::SetFontSource(gfx::FontSource::Builtin);
  forms::Application app;
  forms::Form& form = app.CreateForm(u"frm");
  forms::Control& c = form.AddControl(u"KLVCTL32.KelvoActiveCommand", u"c", {0, 0, kWidth, kHeight});
  std::vector<com::Variant> picture{com::Variant::Object(forms::CreatePictureObject(gfx::Image(16, 16, 0xFF2060A0u)))};
  c.Extender()->Invoke(u"Picture", com::InvokeKind::Set, picture);
  auto& button = dynamic_cast<KelvoActiveCommand&>(*c.Instance());
  c.MouseMove(0, 0, 75, 75);  // hot: the hover look with its three rings
  for (auto _ : state) {
    button.ComputeLayout();
    button.DrawButton();
    benchmark::DoNotOptimize(c.Surface().TakePrints());
  }
}
BENCHMARK(BM_CommandHoverRepaint);

void BM_SurfaceFillAndText(benchmark::State& state) {
  bench::FillAndPrint(state, 100, 30, 0x8000000Fu, 600, 150, u"Save");
}
BENCHMARK(BM_SurfaceFillAndText);

}  // namespace
}  // namespace kelvo::klvctl32

BENCHMARK_MAIN();

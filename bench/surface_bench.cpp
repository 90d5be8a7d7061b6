// Costs of the surface operations a repaint is made of.

#include <benchmark/benchmark.h>

#include "platform/gfx/surface.h"

namespace kelvo::gfx {
namespace {

constexpr int kTpp = 15;

Surface ButtonSizedSurface() {
  Surface s(200, 30, kTpp, kTpp);
  FontDesc f;
  f.name = std::u16string(kBuiltinFontName);
  s.SetFont(f);
  return s;
}

void BM_FilledBox(benchmark::State& state) {
  Surface s = ButtonSizedSurface();
  for (auto _ : state) s.FilledBox(0, 0, 199 * kTpp, 29 * kTpp, 0x00C0C0C0u);
  benchmark::DoNotOptimize(s.version());
}
BENCHMARK(BM_FilledBox);

void BM_Line(benchmark::State& state) {
  Surface s = ButtonSizedSurface();
  for (auto _ : state) s.Line(0, 0, 199 * kTpp, 29 * kTpp, 0x00808080u);
  benchmark::DoNotOptimize(s.version());
}
BENCHMARK(BM_Line);

void BM_PrintBuiltin30(benchmark::State& state) {
  Surface s = ButtonSizedSurface();
  for (auto _ : state) {
    s.SetCurrentX(3 * kTpp);
    s.SetCurrentY(3 * kTpp);
    s.Print(u"Arquivo de configuração 12/34.");
    benchmark::DoNotOptimize(s.TakePrints());
  }
}
BENCHMARK(BM_PrintBuiltin30);

void BM_Clear(benchmark::State& state) {
  Surface s = ButtonSizedSurface();
  for (auto _ : state) s.Clear();
  benchmark::DoNotOptimize(s.version());
}
BENCHMARK(BM_Clear);

void BM_TextWidth(benchmark::State& state) {
  Surface s = ButtonSizedSurface();
  for (auto _ : state) benchmark::DoNotOptimize(s.TextWidth(u"Arquivo de configuração 12/34."));
}
BENCHMARK(BM_TextWidth);

}  // namespace
}  // namespace kelvo::gfx

BENCHMARK_MAIN();

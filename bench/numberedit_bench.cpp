// The number edit's costs next to the surface's plain drawing of the same
// field: one typed digit with its full repaint, a paste of 15 characters
// (each a KeyPress with its repaint), and the surface's fill-and-print of the
// grouped number over the control as the yardstick.
#include <benchmark/benchmark.h>

#include <string>

#include "edit_on_form.h"
#include "klvctl32/numberedit/numberedit.h"
#include "platform/gfx/font.h"
#include "platform/win/window_system.h"
#include "surface_yardstick.h"

namespace kelvo::klvctl32 {
namespace {

constexpr double kWidth = 120 * 15;
constexpr double kHeight = 21 * 15;

struct Bench : EditOnForm<KelvoNumberEdit> {
  Bench() : EditOnForm(u"KLVCTL32.KelvoNumberEdit", kWidth, kHeight) {
    Let(u"IntMaxLength", com::Variant::Integer(15));
    Let(u"DecMaxLength", com::Variant::Integer(2));
    edit->Focus();
  }
};

void BM_TypeOneDigitWithRepaint(benchmark::State& state) {
  Bench b;
  for (auto _ : state) {
    state.PauseTiming();
    b.Let(u"Text", com::Variant::String(u"1234567"));
    std::int16_t back = 8;
    std::int16_t shift = 0;
    for (int i = 0; i < 3; ++i) b.edit->KeyDown(back, shift);
    state.ResumeTiming();
    std::int16_t key = '7';
    b.edit->KeyPress(key);
  }
}
BENCHMARK(BM_TypeOneDigitWithRepaint);

void BM_Paste15Characters(benchmark::State& state) {
  Bench b;
  win::WindowSystem::Get().SetClipboardText(u"123456789012,45");
  for (auto _ : state) {
    std::int16_t insert = 45;
    std::int16_t shift = 1;
    b.edit->KeyDown(insert, shift);
  }
}
BENCHMARK(BM_Paste15Characters);

// The yardstick: what any repaint of the field must at least cost.
void BM_SurfaceFillAndPrintNumber(benchmark::State& state) {
  gfx::Surface s(120, 21, 15, 15);
  gfx::FontDesc f;
  f.name = std::u16string(gfx::kBuiltinFontName);
  s.SetFont(f);
  for (auto _ : state) {
    s.FilledBox(0, 0, kWidth - 15, kHeight - 15, 0x80000005u);
    s.SetCurrentX(kWidth - s.TextWidth(u"1.234.567") - 75);
    s.SetCurrentY(45);
    s.Print(u"1.234.567");
    benchmark::DoNotOptimize(s.TakePrints());
  }
}
BENCHMARK(BM_SurfaceFillAndPrintNumber);

// The timer's own pause and resume, included in the typing figure above.
void BM_TimerPauseAndResume(benchmark::State& state) { bench::PauseAndResume(state); }
BENCHMARK(BM_TimerPauseAndResume);

}  // namespace
}  // namespace kelvo::klvctl32

BENCHMARK_MAIN();

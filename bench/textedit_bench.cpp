// The text edit's costs next to the surface's plain drawing: one typed
// character into a 30-character masked field with its full repaint, a paste
// of MaxLength characters, the hit test on a full field, and the surface's
// fill-and-print of 30 characters over the control as the yardstick.
#include <benchmark/benchmark.h>

#include <string>

#include "edit_on_form.h"
#include "klvctl32/textedit/textedit.h"
#include "platform/gfx/font.h"
#include "platform/win/window_system.h"
#include "surface_yardstick.h"

namespace kelvo::klvctl32 {
namespace {

constexpr double kWidth = 300 * 15;
constexpr double kHeight = 21 * 15;
// 30 characters: 21 placeholders and 9 literals.
constexpr std::u16string_view kMask = u"(99) 99999-9999 / AAAA-9999 99";
constexpr std::u16string_view kFull = u"12345678901ABCD456789";

struct Bench : EditOnForm<KelvoTextEdit> {
  Bench() : EditOnForm(u"KLVCTL32.KelvoTextEdit", kWidth, kHeight) {
    Let(u"MaxLength", com::Variant::Integer(30));
    Let(u"Mask", com::Variant::String(std::u16string(kMask)));
    edit->Focus();
  }
};

void BM_TypeOneCharacterWithRepaint(benchmark::State& state) {
  Bench b;
  for (auto _ : state) {
    state.PauseTiming();
    b.Let(u"Text", com::Variant::String(u"12345"));
    std::int16_t end = 35;
    std::int16_t shift = 0;
    b.edit->KeyDown(end, shift);
    state.ResumeTiming();
    std::int16_t key = '7';
    b.edit->KeyPress(key);
  }
}
BENCHMARK(BM_TypeOneCharacterWithRepaint);

void BM_PasteMaxLength(benchmark::State& state) {
  Bench b;
  win::WindowSystem::Get().SetClipboardText(u"123456789012345678901234567890");
  for (auto _ : state) {
    state.PauseTiming();
    b.Let(u"Text", com::Variant::String(u""));
    state.ResumeTiming();
    std::int16_t insert = 45;
    std::int16_t shift = 1;
    b.edit->KeyDown(insert, shift);
  }
}
BENCHMARK(BM_PasteMaxLength);

void BM_HitTestFullField(benchmark::State& state) {
  Bench b;
  b.Let(u"Text", com::Variant::String(std::u16string(kFull)));
  const auto x = static_cast<float>(b.edit->Surface().TextWidth(u"(12) 34567-890"));
  for (auto _ : state) b.edit->MouseMove(1, 0, x, 30);
}
BENCHMARK(BM_HitTestFullField);

// The yardstick: what any repaint of the control must at least cost.
void BM_SurfaceFillAndPrint30(benchmark::State& state) {
  bench::FillAndPrint(state, 300, 21, 0x80000005u, 45, 45, u"(12) 34567-8901 / ABCD-4567   ");
}
BENCHMARK(BM_SurfaceFillAndPrint30);

// The timer's own pause and resume, included in the typing figure above.
void BM_TimerPauseAndResume(benchmark::State& state) { bench::PauseAndResume(state); }
BENCHMARK(BM_TimerPauseAndResume);

}  // namespace
}  // namespace kelvo::klvctl32

BENCHMARK_MAIN();

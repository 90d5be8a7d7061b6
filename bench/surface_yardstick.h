#pragma once
// The yardstick of a control's repaint: the surface's bare fill of the
// control's area and one drawing of text, in the built-in font.

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "platform/gfx/font.h"
#include "platform/gfx/surface.h"

namespace kelvo::bench {

inline void FillAndPrint(benchmark::State& state, int widthPx, int heightPx, gfx::OleColor back, double x, double y,
                         std::u16string_view text) {
  gfx::Surface s(widthPx, heightPx, 15, 15);
  gfx::FontDesc f;
  f.name = std::u16string(gfx::kBuiltinFontName);
  s.SetFont(f);
  for (auto _ : state) {
    s.FilledBox(0, 0, (widthPx - 1) * 15.0, (heightPx - 1) * 15.0, back);
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text);
    benchmark::DoNotOptimize(s.TakePrints());
  }
}

// What pausing and resuming the timer around a benchmark's setup costs by
// itself: part of every figure measured that way, to be taken off it.
inline void PauseAndResume(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    state.ResumeTiming();
  }
}

}  // namespace kelvo::bench

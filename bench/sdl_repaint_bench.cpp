// Key press to picture: the time from a key event to the text box's
// repainted window. With the SDL backend the key is pushed into SDL's event
// queue and the time runs until the loop has put the new picture on the
// display (run it under Xvfb); with the headless backend the key goes to the
// window system directly and the picture is composed in memory. Without a
// display the SDL benchmark is skipped and says why.
//
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bin/sdl_repaint_bench

#include <SDL2/SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "platform/forms/application.h"
#include "platform/gfx/font.h"
#include "platform/win/backend.h"
#include "platform/win/compose.h"
#include "platform/win/sdl/sdl_backend.h"
#include "platform/win/window_system.h"

namespace kelvo {
namespace {

constexpr int kVkBack = 0x08, kVkA = 'A';

// A form with one focused text box.
struct TextBoxForm {
  TextBoxForm() {
    form.Activate();
    box.Focus();
  }
  forms::Application app;
  forms::Form& form = app.CreateForm(u"frmBench", {.clientWidth = 4000, .clientHeight = 1500});
  forms::Control& box = form.AddControl(u"TextBox", u"txtBench", {120, 120, 3000, 315});
};

void PushKey(SDL_Keycode key, SDL_Scancode scancode, const char* text) {
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.state = SDL_PRESSED;
  event.key.keysym.sym = key;
  event.key.keysym.scancode = scancode;
  SDL_PushEvent(&event);
  if (text != nullptr) {
    SDL_Event typed{};
    typed.type = SDL_TEXTINPUT;
    std::snprintf(typed.text.text, sizeof typed.text.text, "%s", text);
    SDL_PushEvent(&typed);
  }
  event.type = SDL_KEYUP;
  event.key.state = SDL_RELEASED;
  SDL_PushEvent(&event);
}

// Types "a" and takes it back in turn, so the text stays short.
void BM_SdlKeyToPresentedPicture(benchmark::State& state) {
  gfx::SetFontSource(gfx::FontSource::Builtin);
  try {
    win::InstallSdlBackend();
  } catch (const win::DisplayUnavailable& e) {
    state.SkipWithError((std::string("skipped, ") + e.what()).c_str());
    return;
  }
  TextBoxForm bench;
  win::RunEventLoop([] { return win::PresentedFrames() > 0; });
  bool typeA = true;
  for (auto _ : state) {
    const std::uint64_t before = win::PresentedFrames();
    if (typeA) {
      PushKey(SDLK_a, SDL_SCANCODE_A, "a");
    } else {
      PushKey(SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, nullptr);
    }
    typeA = !typeA;
    win::RunEventLoop([before] { return win::PresentedFrames() > before; });
  }
}
BENCHMARK(BM_SdlKeyToPresentedPicture)->Unit(benchmark::kMicrosecond);

void BM_HeadlessKeyToComposedPicture(benchmark::State& state) {
  gfx::SetFontSource(gfx::FontSource::Builtin);
  win::WindowSystem& ws = win::WindowSystem::Get();
  ws.InstallBackend(std::make_unique<win::HeadlessBackend>());
  TextBoxForm bench;
  bool typeA = true;
  for (auto _ : state) {
    ws.KeyDown(typeA ? kVkA : kVkBack, 0);
    ws.Char(typeA ? 'a' : 8);
    ws.KeyUp(typeA ? kVkA : kVkBack, 0);
    typeA = !typeA;
    benchmark::DoNotOptimize(win::ComposeWindow(bench.form.Hwnd()));
  }
}
BENCHMARK(BM_HeadlessKeyToComposedPicture)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelvo

BENCHMARK_MAIN();

// Starting the SDL backend, and the services it supplies: the clock, the
// clipboard, the beep, pop-up menus and message boxes.

#include "platform/win/sdl/sdl_backend.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <string>

#include "platform/base/text.h"
#include "platform/win/sdl/message_box_window.h"
#include "platform/win/sdl/popup_menu_window.h"
#include "platform/win/sdl/sdl_backend_impl.h"

namespace kelvo::win {
namespace sdl {

VideoSession::VideoSession() {
  // Windows are placed in screen pixels, which X11 allows; SDL's stand-ins
  // without a screen (offscreen, dummy) would hide a missing display. The
  // SDL_VIDEODRIVER environment variable still chooses otherwise.
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  // The loop ends when the forms are gone, not when SDL's last window closes.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // A click that activates a window is a click all the same.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // Pictures are composed in memory; putting them on the screen through X's
  // shared memory spares loading an OpenGL stack just to copy pixels.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    throw DisplayUnavailable(std::string("no display is available: ") + SDL_GetError());
  }
  SDL_StartTextInput();
}

VideoSession::~VideoSession() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

SdlBackend::SdlBackend(WindowSystem& ws) : ws_(ws), windows_(ws), keyboard_(ws), mouse_(ws) {
  for (const HWND hwnd : ws_.TopLevelWindows()) windows_.Created(hwnd, NowMs());
  caret_.Restart(NowMs());
}

void SdlBackend::Advance(std::uint64_t ms) {
  SDL_Delay(static_cast<Uint32>(std::min<std::uint64_t>(ms, std::numeric_limits<Uint32>::max())));
}

std::u16string SdlBackend::ClipboardText() {
  char* utf8 = SDL_GetClipboardText();
  if (utf8 == nullptr) return {};
  std::u16string text = text::FromUtf8(utf8);
  SDL_free(utf8);
  return text;
}

void SdlBackend::SetClipboardText(const std::u16string& text) { SDL_SetClipboardText(text::ToUtf8(text).c_str()); }

int SdlBackend::RunPopupMenu(HWND, const std::vector<MenuItem>& items, POINT screen) {
  PopupMenuWindow menu(items, screen, ws_.TwipsPerPixelX());
  Pump(&menu, [&menu] { return menu.Done(); });
  const int answer = menu.Done() ? menu.Answer() : -1;
  // The menu's hold on the mouse ends with it; the keyboard goes back to the form.
  SyncCapture(nullptr);
  windows_.FocusActive();
  return answer;
}

RECT SdlBackend::ScreenBounds(POINT at) const { return DisplayBoundsAt(at); }

MsgBoxResult SdlBackend::RunMessageBox(HWND owner, const MessageBoxRecord& box) {
  const HWND top = ws_.TopLevel(owner);
  const std::optional<RECT> over = top != 0 ? std::optional<RECT>(ws_.ScreenRect(top)) : std::nullopt;
  MessageBoxWindow dialog(box, over, ws_.TwipsPerPixelX());
  // While the box is up, the program's forms are not the active window.
  const HWND previous = ws_.Active();
  if (dialog.Window() != nullptr) ws_.Activate(0);
  Pump(&dialog, [&dialog] { return dialog.Done(); });
  if (previous != 0 && ws_.IsWindow(previous) && ws_.Active() == 0) ws_.Activate(previous);
  return dialog.Answer().value_or(MsgBoxResult::Cancel);
}

}  // namespace sdl

namespace {

sdl::SdlBackend* InstalledSdlBackend() { return dynamic_cast<sdl::SdlBackend*>(&WindowSystem::Get().backend()); }

}  // namespace

void InstallSdlBackend() {
  if (InstalledSdlBackend() != nullptr) return;
  WindowSystem& ws = WindowSystem::Get();
  ws.InstallBackend(std::make_unique<sdl::SdlBackend>(ws));
}

std::uint64_t PresentedFrames() {
  const sdl::SdlBackend* backend = InstalledSdlBackend();
  return backend == nullptr ? 0 : backend->PresentedFrames();
}

void RunEventLoop(const std::function<bool()>& finished) {
  WindowSystem& ws = WindowSystem::Get();
  sdl::SdlBackend* backend = InstalledSdlBackend();
  if (backend == nullptr) throw std::logic_error("RunEventLoop needs the SDL backend: call InstallSdlBackend first");
  auto noFormLeft = [&ws] {
    const std::vector<HWND> roots = ws.TopLevelWindows();
    return std::none_of(roots.begin(), roots.end(), [&ws](HWND h) { return ws.Kind(h) == WindowKind::TopLevel; });
  };
  backend->Pump(nullptr, [&] { return (finished && finished()) || noFormLeft(); });
}

}  // namespace kelvo::win

#pragma once
// The SDL backend's state and loop, shared by its source files.

#include <SDL2/SDL_events.h>
#include <SDL2/SDL_timer.h>

#include <functional>

#include "platform/win/backend.h"
#include "platform/win/sdl/beep_sound.h"
#include "platform/win/sdl/caret_blink.h"
#include "platform/win/sdl/keyboard_input.h"
#include "platform/win/sdl/modal_dialog.h"
#include "platform/win/sdl/mouse_input.h"
#include "platform/win/sdl/pointer_cursor.h"
#include "platform/win/sdl/screen_windows.h"

namespace kelvo::win::sdl {

// SDL's video subsystem, started for the backend's lifetime.
class VideoSession {
 public:
  VideoSession();  // throws DisplayUnavailable
  ~VideoSession();
  VideoSession(const VideoSession&) = delete;
  VideoSession& operator=(const VideoSession&) = delete;
};

class SdlBackend final : public Backend {
 public:
  explicit SdlBackend(WindowSystem& ws);

  const char* Name() const override { return "sdl"; }
  void WindowCreated(HWND hwnd) override { windows_.Created(hwnd, NowMs()); }
  void WindowDestroyed(HWND hwnd) override { windows_.Destroyed(hwnd); }
  void WindowChanged(HWND hwnd) override { windows_.Changed(hwnd, NowMs()); }
  void CaretChanged() override { caret_.Restart(NowMs()); }

  std::uint64_t NowMs() const override { return SDL_GetTicks64(); }
  // The real clock moves only by waiting.
  void Advance(std::uint64_t ms) override;

  void Beep() override { beep_.Sound(); }
  void DeliverWaitingInput() override;
  std::u16string ClipboardText() override;
  void SetClipboardText(const std::u16string& text) override;
  int RunPopupMenu(HWND owner, const std::vector<MenuItem>& items, POINT screen) override;
  MsgBoxResult RunMessageBox(HWND owner, const MessageBoxRecord& box) override;
  void PointerShapeChanged(PointerShape shape) override { pointer_.Show(shape); }
  RECT ScreenBounds(POINT at) const override;

  // Runs the loop until `finished` answers true or the program is asked to
  // quit; while `dialog` is given, the input goes to it.
  void Pump(ModalDialog* dialog, const std::function<bool()>& finished);
  std::uint64_t PresentedFrames() const { return windows_.PresentedFrames(); }

 private:
  void Present(ModalDialog* dialog);
  bool WaitForEvent(SDL_Event& event);
  void Dispatch(const SDL_Event& event, ModalDialog* dialog);
  void DispatchWindowEvent(const SDL_WindowEvent& event, ModalDialog* dialog);
  void DispatchMouse(const SDL_Event& event);
  void DispatchDialogMouse(const SDL_Event& event, ModalDialog& dialog);
  void AfterEvents(ModalDialog* dialog);
  void SyncCapture(const ModalDialog* dialog);
  void FollowPointer();

  VideoSession video_;  // first member: SDL stops after everything below let go
  WindowSystem& ws_;
  ScreenWindows windows_;
  CaretBlink caret_;
  BeepSound beep_;
  PointerCursor pointer_;
  KeyboardInput keyboard_;
  MouseInput mouse_;
  bool quit_ = false;
  bool focusCheck_ = false;  // a window of ours lost the keyboard: who has it now?
  bool capturing_ = false;
  // The button whose press closed a dialog: its release belongs to no window.
  Uint8 swallowRelease_ = 0;
};

}  // namespace kelvo::win::sdl

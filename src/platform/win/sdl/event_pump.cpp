// The user-interface loop: it waits for the next SDL event or the next due
// timer (or caret blink), hands events to the windows (or to a modal dialog),
// fires due timers, delivers posted messages and presents what changed
// before it looks at whether it is finished.

#include <SDL2/SDL.h>

#include <algorithm>

#include "platform/win/sdl/display_wait.h"
#include "platform/win/sdl/sdl_backend_impl.h"

namespace kelvo::win::sdl {
namespace {

// The loop looks at the pointer and the screen at least this often.
constexpr std::uint64_t kLongestWaitMs = 1000;

bool IsMouseEvent(Uint32 type) {
  return type == SDL_MOUSEMOTION || type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP;
}

Uint32 MouseWindowId(const SDL_Event& event) {
  return event.type == SDL_MOUSEMOTION ? event.motion.windowID : event.button.windowID;
}

// The event's point on the screen: its SDL window's place plus the point in it.
bool MouseScreenPoint(const SDL_Event& event, POINT& screen) {
  SDL_Window* window = SDL_GetWindowFromID(MouseWindowId(event));
  if (window == nullptr) return false;
  int x = 0, y = 0;
  SDL_GetWindowPosition(window, &x, &y);
  screen = event.type == SDL_MOUSEMOTION ? POINT{x + event.motion.x, y + event.motion.y}
                                         : POINT{x + event.button.x, y + event.button.y};
  return true;
}

}  // namespace

void SdlBackend::Present(ModalDialog* dialog) {
  windows_.PresentChanged(caret_.Lit());
  if (dialog != nullptr) dialog->Present(false);
}

void SdlBackend::Pump(ModalDialog* dialog, const std::function<bool()>& finished) {
  Present(dialog);
  while (!quit_ && !finished()) {
    SDL_Event event;
    if (WaitForEvent(event)) {
      Dispatch(event, dialog);
      // The rest of the queue, unless that event ended this loop: what
      // follows belongs to the loop outside.
      while (!quit_ && !finished() && SDL_PollEvent(&event) != 0) Dispatch(event, dialog);
    }
    AfterEvents(dialog);
    ws_.RunDueTimers();
    caret_.Tick(NowMs());
    ws_.ProcessPending();
    Present(dialog);
  }
}

// One pass of the loop without the wait, for a handler running a long task
// that lets the user click (Cancel) meanwhile.
void SdlBackend::DeliverWaitingInput() {
  SDL_Event event;
  while (!quit_ && SDL_PollEvent(&event) != 0) Dispatch(event, nullptr);
  AfterEvents(nullptr);
  ws_.RunDueTimers();
  caret_.Tick(NowMs());
  Present(nullptr);
}

bool SdlBackend::WaitForEvent(SDL_Event& event) {
  if (SDL_PollEvent(&event) != 0) return true;
  const std::uint64_t now = NowMs();
  std::uint64_t until = now + kLongestWaitMs;
  if (const auto due = ws_.NextTimerDue()) until = std::min(until, *due);
  if (ws_.Caret().Shown()) until = std::min(until, caret_.NextToggle());
  if (until > now) WaitForDisplayInput(windows_.AnyWindow(), until - now);
  return SDL_PollEvent(&event) != 0;
}

void SdlBackend::Dispatch(const SDL_Event& event, ModalDialog* dialog) {
  switch (event.type) {
    case SDL_QUIT:
      quit_ = true;
      break;
    case SDL_KEYDOWN:
      if (dialog != nullptr) {
        dialog->KeyDown(TranslateKey(event.key.keysym.sym, event.key.keysym.scancode, event.key.keysym.mod));
        keyboard_.KeyTakenByDialog();
      } else {
        keyboard_.KeyDown(event.key.keysym);
      }
      break;
    case SDL_KEYUP:
      if (dialog == nullptr) keyboard_.KeyUp(event.key.keysym);
      break;
    case SDL_TEXTINPUT:
      if (dialog == nullptr) keyboard_.TextInput(event.text.text);
      break;
    case SDL_WINDOWEVENT:
      DispatchWindowEvent(event.window, dialog);
      break;
    default:
      if (!IsMouseEvent(event.type)) break;
      if (dialog != nullptr) {
        DispatchDialogMouse(event, *dialog);
      } else {
        DispatchMouse(event);
      }
  }
}

void SdlBackend::DispatchMouse(const SDL_Event& event) {
  if (event.type == SDL_MOUSEBUTTONUP && event.button.button == swallowRelease_) {
    swallowRelease_ = 0;
    return;
  }
  const HWND root = windows_.FromId(MouseWindowId(event));
  if (root == 0) return;
  if (event.type == SDL_MOUSEMOTION) {
    mouse_.Motion(root, event.motion, SDL_GetModState());
  } else {
    mouse_.Button(root, event.button, SDL_GetModState());
  }
}

void SdlBackend::DispatchDialogMouse(const SDL_Event& event, ModalDialog& dialog) {
  POINT screen;
  if (!MouseScreenPoint(event, screen)) return;
  int left = 0, top = 0, width = 0, height = 0;
  SDL_GetWindowPosition(dialog.Window(), &left, &top);
  SDL_GetWindowSize(dialog.Window(), &width, &height);
  const int x = screen.x - left, y = screen.y - top;
  const bool inside = x >= 0 && y >= 0 && x < width && y < height;
  if (event.type == SDL_MOUSEMOTION) {
    dialog.MouseMoved(x, y);
  } else if (event.type == SDL_MOUSEBUTTONDOWN && !inside) {
    dialog.PressedElsewhere();
    if (dialog.Done()) swallowRelease_ = event.button.button;
  } else {
    dialog.MouseButton(event.type == SDL_MOUSEBUTTONDOWN, x, y);
  }
}

void SdlBackend::DispatchWindowEvent(const SDL_WindowEvent& event, ModalDialog* dialog) {
  if (event.event == SDL_WINDOWEVENT_FOCUS_LOST) focusCheck_ = true;
  if (dialog != nullptr && event.windowID == SDL_GetWindowID(dialog->Window())) {
    if (event.event == SDL_WINDOWEVENT_EXPOSED) dialog->Present(true);
    if (event.event == SDL_WINDOWEVENT_CLOSE) dialog->CloseRequested();
    return;
  }
  const HWND root = windows_.FromId(event.windowID);
  if (root == 0) return;
  switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED:
      windows_.Exposed(root);
      break;
    case SDL_WINDOWEVENT_MOVED:
      windows_.MovedOnScreen(root, event.data1, event.data2, NowMs());
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      windows_.ResizedOnScreen(root, event.data1, event.data2, NowMs());
      break;
    case SDL_WINDOWEVENT_CLOSE:
      // A form cannot be closed while a dialog of the program waits for an answer.
      if (dialog == nullptr) ws_.Send(root, {.type = Msg::Close});
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      if (ws_.Kind(root) != WindowKind::TopLevel) break;
      if (dialog != nullptr) {
        dialog->OtherWindowFocused();
      } else {
        ws_.Activate(root);
      }
      break;
    default:
      break;
  }
}

void SdlBackend::AfterEvents(ModalDialog* dialog) {
  // When none of the program's windows has the keyboard any more, another
  // application is active.
  if (focusCheck_) {
    focusCheck_ = false;
    if (SDL_GetKeyboardFocus() == nullptr) {
      if (dialog != nullptr) dialog->Deactivated();
      ws_.Activate(0);
    }
  }
  windows_.FollowScreen();
  SyncCapture(dialog);
  FollowPointer();
}

void SdlBackend::SyncCapture(const ModalDialog* dialog) {
  const bool wanted = ws_.Capture() != 0 || (dialog != nullptr && dialog->CapturesMouse());
  if (wanted == capturing_) return;
  // Capturing fails while no window of ours has the mouse; the next round tries again.
  if (SDL_CaptureMouse(wanted ? SDL_TRUE : SDL_FALSE) == 0) capturing_ = wanted;
}

// Over one of the program's windows (or captured by one), the last motion
// event is the pointer's place: X servers without raw motion events leave
// SDL's global mouse state as it was when the pointer entered the window.
void SdlBackend::FollowPointer() {
  int x = 0, y = 0;
  if (SDL_Window* window = SDL_GetMouseFocus()) {
    int left = 0, top = 0;
    SDL_GetWindowPosition(window, &left, &top);
    SDL_GetMouseState(&x, &y);
    x += left;
    y += top;
  } else {
    SDL_GetGlobalMouseState(&x, &y);
  }
  ws_.SetCursorPos({x, y});
}

}  // namespace kelvo::win::sdl

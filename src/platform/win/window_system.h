#pragma once
// The window system: one per process. It keeps every window (handle, parent,
// rectangle, enabled and visible flags, retained surface, window procedure),
// the active top-level window, the focus, the capture, the pointer position,
// the caret, timers, and routes input from the backend to window procedures.
// A backend (headless or SDL) presents windows and supplies the clock, the
// clipboard, pop-up menus, message boxes and the beep.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/surface.h"
#include "platform/win/messages.h"
#include "platform/win/types.h"

namespace kelvo::win {

class Backend;

enum class WindowKind : std::uint8_t {
  TopLevel,  // a form: can be active
  Child,     // a control's window inside its parent
  Tool,      // borderless, never activated (tooltips)
};

struct WindowCreate {
  HWND parent = 0;
  WindowKind kind = WindowKind::Child;
  RECT rect;  // relative to the parent's client area (screen pixels for top-level and tool windows)
  bool visible = true;
  bool enabled = true;
  std::u16string caption;
  WindowProc proc;
};

struct CaretState {
  HWND window = 0;
  int width = 0, height = 0;
  int x = 0, y = 0;       // in the window's pixels
  int showCount = 0;      // shown while > 0
  bool Shown() const { return window != 0 && showCount > 0; }
};

struct MenuItem {
  std::u16string caption;  // "-" is a separator line
  bool enabled = true;
  bool checked = false;
};

enum class MsgBoxButtons : std::uint8_t { OK, OKCancel, YesNo };
enum class MsgBoxIcon : std::uint8_t { None, Stop, Question, Exclamation, Information };
enum class MsgBoxResult : std::uint8_t { OK = 1, Cancel = 2, Yes = 6, No = 7 };

struct MessageBoxRecord {
  std::u16string title, text;
  MsgBoxButtons buttons = MsgBoxButtons::OK;
  MsgBoxIcon icon = MsgBoxIcon::None;
};

enum class ShowMode : std::uint8_t { Normal, Minimized, Maximized, Hidden };

struct ShellRecord {
  std::u16string commandLine;
  ShowMode mode = ShowMode::Normal;
};

// The mouse pointer's shape over the program's windows (the container's
// Screen.MousePointer): the default arrow, or the busy hourglass while the
// program works without taking input.
enum class PointerShape : std::uint8_t { Default, Busy };

using TimerId = std::uint32_t;

class WindowSystem {
 public:
  // The process's window system (created on first use with the headless backend).
  static WindowSystem& Get();
  // Replaces the backend; windows created before keep their state.
  void InstallBackend(std::unique_ptr<Backend> backend);
  Backend& backend();

  // Screen resolution for windows created from now on: 96 or 120 dpi
  // (15 or 12 twips per pixel).
  void SetScreenDpi(int dpi);
  int ScreenDpi() const;
  int TwipsPerPixelX() const;
  int TwipsPerPixelY() const;

  // Windows.
  HWND Create(const WindowCreate& params);
  void Destroy(HWND hwnd);  // children first; focus, capture, caret and activation let go
  bool IsWindow(HWND hwnd) const;
  HWND Parent(HWND hwnd) const;
  HWND TopLevel(HWND hwnd) const;  // the window itself when top-level
  WindowKind Kind(HWND hwnd) const;  // Child for a handle that is no window
  // Windows without a parent (forms and tool windows), in creation order.
  std::vector<HWND> TopLevelWindows() const;
  std::vector<HWND> Children(HWND hwnd) const;  // creation order
  void SetProc(HWND hwnd, WindowProc proc);
  void Move(HWND hwnd, const RECT& rect);  // relative to the parent; resizes the surface; sends Size/Move (each when changed)
  RECT ClientRect(HWND hwnd) const;        // relative to the parent
  RECT ScreenRect(HWND hwnd) const;
  void Show(HWND hwnd, bool visible);
  bool IsVisible(HWND hwnd) const;         // itself and every parent
  bool IsShown(HWND hwnd) const;           // its own visible flag, whatever its parents
  void Enable(HWND hwnd, bool enabled);
  bool IsEnabled(HWND hwnd) const;
  void SetCaption(HWND hwnd, std::u16string caption);
  std::u16string Caption(HWND hwnd) const;
  gfx::Surface& SurfaceOf(HWND hwnd);
  HDC DCOf(HWND hwnd) const { return hwnd; }
  HWND FromDC(HDC dc) const { return dc; }
  // The deepest visible window under a screen point, or 0.
  HWND WindowAt(POINT screen) const;

  // Activation (top-level windows) and focus.
  HWND Active() const;
  void Activate(HWND topLevel);  // 0: another application is active; the focus stays where it is
  HWND Focus() const;
  HWND SetFocus(HWND hwnd);      // returns the previous focus; sends KillFocus then SetFocus
  HWND Capture() const;
  HWND SetCapture(HWND hwnd);
  void ReleaseCapture();
  POINT CursorPos() const;
  void SetCursorPos(POINT screen);  // no mouse message

  // The caret, one per thread.
  void CreateCaret(HWND hwnd, int width, int height);
  void SetCaretPos(int x, int y);
  // Show and hide requests apply only to the caret's window (0: the caret's own).
  void ShowCaret(HWND hwnd);  // show count +1, at most 1: a shown caret stays shown
  void HideCaret(HWND hwnd);  // show count -1, without limit: hides add up
  void DestroyCaret();
  CaretState Caret() const;

  // Input from the backend or the console, routed as the operating system does:
  // keys to the focus window, mouse to the capture window or the window under the pointer.
  void Send(HWND hwnd, const Message& message);
  void KeyDown(int vk, int shift);
  void KeyUp(int vk, int shift);
  void Char(int code);
  void MouseButton(Msg type, int button, int shift, POINT screen);
  // Messages posted for later, delivered by ProcessPending (the container's DoEvents).
  void Post(HWND hwnd, const Message& message);
  void ProcessPending();
  // The container's DoEvents: waiting input, then posted messages.
  void DoEvents();

  // Timers fire on this thread from the backend's clock, in due order.
  TimerId SetTimer(std::uint32_t intervalMs, std::function<void()> onTick);
  void KillTimer(TimerId id);
  std::uint64_t NowMs() const;
  void AdvanceClock(std::uint64_t ms);  // headless: move the virtual clock, firing what falls due
  void RunDueTimers();                  // real clock: fire what is due now
  std::optional<std::uint64_t> NextTimerDue() const;

  // Services.
  void Beep();
  int TakeBeepCount();  // beeps since the last call
  std::u16string ClipboardText();
  void SetClipboardText(std::u16string text);
  // Shows a pop-up menu at a screen point; the picked index or -1.
  int PopupMenu(HWND owner, const std::vector<MenuItem>& items, POINT screen);
  std::optional<std::vector<MenuItem>> TakeLastMenu();  // the last menu shown since the last call
  MsgBoxResult MessageBox(HWND owner, std::u16string text, std::u16string title, MsgBoxButtons buttons,
                          MsgBoxIcon icon);
  std::vector<MessageBoxRecord> TakeMessageBoxes();
  std::vector<ShellRecord> TakeShellRecords();
  void RecordShell(ShellRecord record);
  void SetPointerShape(PointerShape shape);
  PointerShape CurrentPointerShape() const;
  std::vector<PointerShape> TakePointerShapes();  // every shape set since the last call

  WindowSystem();
  ~WindowSystem();
  WindowSystem(const WindowSystem&) = delete;
  WindowSystem& operator=(const WindowSystem&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace kelvo::win

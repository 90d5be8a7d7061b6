#pragma once
// The window system's state, shared by the files that implement it. Window
// procedures may reenter the window system, so no code holds a Window& across
// a call into a procedure: it looks the window up by handle again.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "platform/gfx/surface.h"
#include "platform/win/backend.h"
#include "platform/win/window_system.h"

namespace kelvo::win {

struct Window {
  HWND handle = 0;
  HWND parent = 0;
  WindowKind kind = WindowKind::Child;
  RECT rect;
  bool visible = true;
  bool enabled = true;
  std::u16string caption;
  WindowProc proc;
  std::vector<HWND> children;  // creation order
  std::unique_ptr<gfx::Surface> surface;
};

struct Timer {
  TimerId id = 0;
  std::uint32_t intervalMs = 1;
  std::uint64_t dueMs = 0;
  std::function<void()> onTick;
};

// Everything the window system keeps; WindowSystem::Impl is this state.
struct WindowSystemState {
  std::unique_ptr<Backend> backend;
  int dpi = 96;
  int twipsPerPixel = 15;

  HWND lastHandle = 0;
  std::map<HWND, Window> windows;
  HWND active = 0;
  HWND focus = 0;
  HWND capture = 0;
  POINT cursor;

  mutable std::mutex caretMutex;
  std::map<std::thread::id, CaretState> carets;

  TimerId lastTimer = 0;
  std::vector<Timer> timers;  // creation order

  struct Posted {
    std::uint64_t serial;
    HWND hwnd;
    Message message;
  };
  std::uint64_t lastPostSerial = 0;
  std::deque<Posted> posted;

  int beeps = 0;
  std::optional<std::vector<MenuItem>> lastMenu;
  std::vector<MessageBoxRecord> messageBoxes;
  std::vector<ShellRecord> shellRecords;
  PointerShape pointerShape = PointerShape::Default;
  std::vector<PointerShape> pointerShapes;

  Window* Find(HWND hwnd);
  const Window* Find(HWND hwnd) const;
  // Calls the window's procedure, if the window still exists and has one.
  void Deliver(HWND hwnd, const Message& message);
  // The window itself or one of its ancestors along the child chain.
  bool IsSelfOrAncestor(HWND ancestor, HWND hwnd) const;
  // False when the window or a parent it lives in is disabled.
  bool IsEnabledForInput(HWND hwnd) const;
  POINT ScreenOrigin(HWND hwnd) const;
  // Destroys every thread's caret that belongs to the window; true if there was one.
  bool ReleaseCaretsOf(HWND hwnd);
};

struct WindowSystem::Impl : WindowSystemState {};

}  // namespace kelvo::win

#pragma once
// A tool window owned by its holder (a tooltip): borderless, top-level, never
// activated, shown and hidden without taking the focus from the active form.
// It is created by Open and destroyed by Close or with its holder. The
// window's caption holds the text it shows, so programs that look over the
// windows (the console's `tip` query) can read it.

#include <string>

#include "platform/gfx/surface.h"
#include "platform/win/window_system.h"

namespace kelvo::win {

class ToolWindow {
 public:
  ToolWindow() = default;
  ~ToolWindow() { Close(); }
  ToolWindow(const ToolWindow&) = delete;
  ToolWindow& operator=(const ToolWindow&) = delete;

  // Creates the window, hidden, at a screen rectangle; closes an open one first.
  void Open(const RECT& screen, std::u16string caption, WindowProc proc);
  void Close();
  bool IsOpen() const;
  HWND Handle() const { return hwnd_; }
  // The open window's surface.
  gfx::Surface& Surface() const;
  // The screen area (display) holding a screen point, where a tool window
  // should stay whole.
  static RECT ScreenBounds(POINT at);

 private:
  HWND hwnd_ = 0;
};

}  // namespace kelvo::win

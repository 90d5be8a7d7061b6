#pragma once
// One SDL window for each window without a parent: forms as ordinary
// resizable windows, tool windows (tooltips) as borderless, non-activating,
// always-on-top windows placed in screen pixels. Each shows the composed
// picture of its window and presents it again whenever a surface inside it,
// a window's place, or the caret changed.

#include <SDL2/SDL_video.h>

#include <cstdint>
#include <map>
#include <string>

#include "platform/win/window_system.h"

namespace kelvo::win::sdl {

class ScreenWindows {
 public:
  explicit ScreenWindows(WindowSystem& ws) : ws_(ws) {}
  ~ScreenWindows();
  ScreenWindows(const ScreenWindows&) = delete;
  ScreenWindows& operator=(const ScreenWindows&) = delete;

  void Created(HWND hwnd, std::uint64_t now);
  void Destroyed(HWND hwnd);
  // Brings the SDL window in line with its window: place, size, caption,
  // shown or hidden, raised when it has just become the active window.
  void Changed(HWND hwnd, std::uint64_t now);

  // The window an SDL window shows, or 0.
  HWND FromId(Uint32 windowId) const;
  // The user or the window manager moved or resized the SDL window.
  void MovedOnScreen(HWND root, int x, int y, std::uint64_t now);
  void ResizedOnScreen(HWND root, int width, int height, std::uint64_t now);
  // The screen lost the window's picture.
  void Exposed(HWND root);
  // Moves the windows the window manager placed otherwise than asked to
  // where they are on the screen.
  void FollowScreen();

  // Presents every shown window whose picture changed since it was last presented.
  void PresentChanged(bool caretLit);
  // Pictures put on the screen so far.
  std::uint64_t PresentedFrames() const { return presented_; }
  // One of the SDL windows, or nullptr: what SDL tells only through a window
  // (the display connection) is the same through any of them.
  SDL_Window* AnyWindow() const;
  // Gives the keyboard to the active form's SDL window (a window of ours that
  // must not keep it, a tooltip or a closed menu, took it).
  void FocusActive();

 private:
  struct Entry {
    SDL_Window* window = nullptr;
    std::string title;
    bool wasActive = false;
    bool stale = true;  // presented picture lost or never shown
    std::uint64_t signature = 0;
    // The place and size last asked of SDL. Until they settle, SDL's events
    // reporting other values are older than the request and ignored.
    RECT requested;
    std::uint64_t placeSettlesAt = 0;
    std::uint64_t sizeSettlesAt = 0;
    bool follow = false;  // the screen shows it elsewhere than its window is
  };
  Entry* Find(HWND root);
  static RECT OnScreen(const Entry& entry);
  // Whether a window's rectangle is shown by an SDL window there (which is at
  // least one pixel wide and high).
  static bool SamePlace(const RECT& window, const RECT& screen);
  void Place(HWND root, Entry& entry, std::uint64_t now);
  void ShowOrHide(HWND root, Entry& entry);
  std::uint64_t Signature(HWND root, bool caretLit) const;

  WindowSystem& ws_;
  std::map<HWND, Entry> entries_;
  std::uint64_t presented_ = 0;
};

}  // namespace kelvo::win::sdl

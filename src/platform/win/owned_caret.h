#pragma once
// The caret as one window's possession: Create makes the thread's one caret
// for the window (taking it from any other window), and the caret is
// destroyed with its holder, unless another window has taken it since.
// Show and hide requests apply only while this holder's window owns it.

#include "platform/win/window_system.h"

namespace kelvo::win {

class OwnedCaret {
 public:
  OwnedCaret() = default;
  ~OwnedCaret() { Destroy(); }
  OwnedCaret(const OwnedCaret&) = delete;
  OwnedCaret& operator=(const OwnedCaret&) = delete;

  void Create(HWND window, int width, int height);
  // Window pixels.
  void MoveTo(int x, int y) const;
  void Show() const;
  void Hide() const;
  void Destroy();
  // This holder's window still owns the caret.
  bool Owned() const;

 private:
  HWND window_ = 0;
};

}  // namespace kelvo::win

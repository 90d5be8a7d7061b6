#include "platform/win/owned_caret.h"

namespace kelvo::win {

void OwnedCaret::Create(HWND window, int width, int height) {
  window_ = window;
  WindowSystem::Get().CreateCaret(window, width, height);
}

bool OwnedCaret::Owned() const { return window_ != 0 && WindowSystem::Get().Caret().window == window_; }

void OwnedCaret::MoveTo(int x, int y) const {
  if (Owned()) WindowSystem::Get().SetCaretPos(x, y);
}

void OwnedCaret::Show() const {
  if (Owned()) WindowSystem::Get().ShowCaret(window_);
}

void OwnedCaret::Hide() const {
  if (Owned()) WindowSystem::Get().HideCaret(window_);
}

void OwnedCaret::Destroy() {
  if (Owned()) WindowSystem::Get().DestroyCaret();
  window_ = 0;
}

}  // namespace kelvo::win

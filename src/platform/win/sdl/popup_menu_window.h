#pragma once
// The pop-up menu's own window: borderless, a pop-up menu to the window
// manager, at a point of the screen, holding the mouse until it is answered.

#include <vector>

#include "platform/gfx/surface.h"
#include "platform/win/sdl/modal_dialog.h"
#include "platform/win/sdl/popup_menu_model.h"

namespace kelvo::win::sdl {

class PopupMenuWindow final : public ModalDialog {
 public:
  PopupMenuWindow(const std::vector<MenuItem>& items, POINT screen, int twipsPerPixel);

  int Answer() const { return model_.Answer(); }

  SDL_Window* Window() const override { return window_.get(); }
  bool Done() const override { return window_ == nullptr || model_.Done(); }
  bool CapturesMouse() const override { return true; }
  void KeyDown(const KeyStroke& stroke) override;
  void MouseMoved(int x, int y) override;
  void MouseButton(bool down, int x, int y) override;
  void PressedElsewhere() override { model_.Dismiss(); }
  // The menu keeps going when the keyboard returns to a form (from a tooltip).
  void OtherWindowFocused() override {}
  void Deactivated() override { model_.Dismiss(); }
  void CloseRequested() override { model_.Dismiss(); }
  void Present(bool force) override;

 private:
  gfx::Surface surface_;
  PopupMenuModel model_;
  SdlWindowPtr window_;
  int shownHighlight_ = -2;  // the highlight last presented; -2 before the first picture
};

// The bounds of the display showing a screen point (the first display when none does).
RECT DisplayBoundsAt(POINT screen);

}  // namespace kelvo::win::sdl

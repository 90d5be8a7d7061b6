#pragma once
// The message box's own window: a small fixed-size window with the box's
// title, centred over its owner (or the screen), kept in front of the
// program's other windows until it is answered.

#include <optional>

#include "platform/gfx/surface.h"
#include "platform/win/sdl/message_box_model.h"
#include "platform/win/sdl/modal_dialog.h"

namespace kelvo::win::sdl {

class MessageBoxWindow final : public ModalDialog {
 public:
  // `over` is the owner's rectangle on the screen, or none to centre on the screen.
  MessageBoxWindow(const MessageBoxRecord& box, std::optional<RECT> over, int twipsPerPixel);

  std::optional<MsgBoxResult> Answer() const { return model_.Answer(); }

  SDL_Window* Window() const override { return window_.get(); }
  bool Done() const override { return window_ == nullptr || model_.Answer().has_value(); }
  bool CapturesMouse() const override { return false; }
  void KeyDown(const KeyStroke& stroke) override;
  void MouseMoved(int x, int y) override;
  void MouseButton(bool down, int x, int y) override;
  void PressedElsewhere() override { KeepInFront(); }
  void OtherWindowFocused() override { KeepInFront(); }
  void Deactivated() override {}
  void CloseRequested() override;
  void Present(bool force) override;

 private:
  void Changed() { drawn_ = false; }
  // The box stays in front and keeps the keyboard until it is answered.
  void KeepInFront();

  gfx::Surface surface_;
  MessageBoxModel model_;
  SdlWindowPtr window_;
  bool drawn_ = false;  // the picture on screen shows the model as it is
};

}  // namespace kelvo::win::sdl

#pragma once
// A message box as the backend shows it: icon, text and buttons laid out,
// the focused and pressed button, what keys and the mouse do, and the picture.
//
// Enter and Space press the focused button (the first one at the start);
// Tab, Shift+Tab and the arrow keys move the focus between the buttons; Y
// and N answer Yes and No. Escape and closing the window answer Cancel in an
// OK/Cancel box and OK in an OK box, and do nothing in a Yes/No box, which
// must be answered. A click answers with the button pressed and released
// over it.

#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/surface.h"
#include "platform/win/window_system.h"

namespace kelvo::win::sdl {

class MessageBoxModel {
 public:
  // Lays the box out in the font of `measure`.
  MessageBoxModel(MessageBoxRecord box, gfx::Surface& measure);

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::optional<MsgBoxResult> Answer() const { return answer_; }
  int Focused() const { return focused_; }
  // The button under a point, or -1.
  int ButtonAt(int x, int y) const;

  void KeyDown(int vk, int shift);
  void ButtonDown(int x, int y);
  void PointerAt(int x, int y);
  void ButtonUp(int x, int y);
  void CloseRequested();

  // Draws the whole box; the surface must be Width() by Height().
  void Draw(gfx::Surface& surface) const;

 private:
  struct Button {
    MsgBoxResult result;
    std::u16string caption;
    gfx::RectPx rect;
  };
  void MoveFocus(int step);
  void AnswerWith(MsgBoxResult result);
  std::optional<MsgBoxResult> EscapeAnswer() const;
  void DrawButton(gfx::Surface& surface, int index) const;

  MessageBoxRecord box_;
  std::vector<Button> buttons_;
  gfx::RectPx textRect_;
  int width_ = 0, height_ = 0;
  int focused_ = 0;
  int pressed_ = -1;            // the button a press started on
  bool pressedInside_ = false;  // and the pointer is still over it
  std::optional<MsgBoxResult> answer_;
};

}  // namespace kelvo::win::sdl

// KelvoActiveCommand's keyboard and mouse: the space bar and the left button
// press the face and raise Click on release; the pointer's hover holds the
// mouse capture so the move that leaves the button ends it.
#include "klvctl32/buttons/activecommand.h"
#include "klvctl32/buttons/tip_window.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

// Auto-repeated presses are ignored while one is in progress.
void KelvoActiveCommand::KeyDown(std::int16_t& keyCode, std::int16_t&) {
  if (keyCode != kSpace) return;
  MousePress = false;
  if (DownLatch) return;
  DownLatch = true;
  state_.PressState = 1;
  DrawButton();
  Site().DoEvents();
}

// Click comes after the face was repainted up, and only without a shift key.
void KelvoActiveCommand::KeyUp(std::int16_t& keyCode, std::int16_t& shift) {
  if (keyCode != kSpace) return;
  DownLatch = false;
  MousePress = false;
  DropTip();
  const TipsSuppressed quiet;
  state_.PressState = 0;
  DrawButton();
  Site().DoEvents();
  if (shift == 0 && state_.HasFocus) RaiseEvent(u"Click");
}

void KelvoActiveCommand::AccessKeyPress(std::int16_t) {
  DropTip();
  const TipsSuppressed quiet;
  if (face_.Enabled) RaiseEvent(u"Click");
}

// Any button takes the focus; only the left one draws the face pressed.
void KelvoActiveCommand::MouseDown(std::int16_t button, std::int16_t, float, float) {
  if (face_.Enabled) Site().SetFocus();
  MousePress = true;
  DropTip();
  idleTicks_ = 0;
  state_.IsHot = false;
  user32::ReleaseCapture();
  if (DownLatch) return;
  DownLatch = true;
  if (button != 1) return;
  state_.PressState = 1;
  DrawButton();
  Site().DoEvents();
}

// The left button's release clicks wherever the pointer is.
void KelvoActiveCommand::MouseUp(std::int16_t button, std::int16_t shift, float, float) {
  MousePress = false;
  state_.IsHot = false;
  user32::ReleaseCapture();
  DownLatch = false;
  state_.PressState = 0;
  DrawButton();
  Site().DoEvents();
  if (button != 1) return;
  DropTip();
  const TipsSuppressed quiet;
  if (shift == 0 && state_.HasFocus) RaiseEvent(u"Click");
}

bool KelvoActiveCommand::Inside(float x, float y) const {
  const FaceGeometry g = Geometry();
  return x >= 0 && x <= g.W && y >= 0 && y <= g.H;
}

// Dragged off, the face pops up; dragged back, it goes down again.
void KelvoActiveCommand::MouseMove(std::int16_t button, std::int16_t, float x, float y) {
  const bool inside = Inside(x, y);
  if (button == 1) {
    Step([&] {
      if (inside) {
        std::int16_t key = kSpace;
        std::int16_t noShift = 0;
        KeyDown(key, noShift);
      } else {
        DownLatch = false;
        state_.PressState = 0;
        DrawButton();
      }
    });
  }
  if (face_.ActiveBorder) {
    Step([&] {
      if (!state_.IsHot) {
        EnterHover();
      } else if (!inside) {
        ExitHover();
      }
    });
  }
  idleTicks_ = 0;
}

}  // namespace kelvo::klvctl32

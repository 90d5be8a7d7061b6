// KelvoTBButton's keyboard and mouse. The mouse calls the same press and
// release as the space bar; Click is raised while the face is still drawn
// pressed, and follows every left-button release.
#include "klvctl32/buttons/tbbutton.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

void KelvoTBButton::PressFace() {
  if (DownLatch) return;
  DownLatch = true;
  state_.PressState = 1;
  DrawButton();
}

void KelvoTBButton::ReleaseFace(std::int16_t shift) {
  DownLatch = false;
  Step([this] { DropTip(); });
  const TipsSuppressed quiet;
  Step([&] {
    if (shift == 0) RaiseEvent(u"Click");
  });
  state_.PressState = 0;
  Step([this] { DrawButton(); });
}

void KelvoTBButton::KeyDown(std::int16_t& keyCode, std::int16_t&) {
  if (keyCode == kSpace) PressFace();
}

void KelvoTBButton::KeyUp(std::int16_t& keyCode, std::int16_t& shift) {
  if (keyCode == kSpace) ReleaseFace(shift);
}

void KelvoTBButton::AccessKeyPress(std::int16_t) {
  if (face_.Enabled) RaiseEvent(u"Click");
}

// A press ends the hover without releasing the capture, so the next move
// raises MouseEnter again.
void KelvoTBButton::MouseDown(std::int16_t button, std::int16_t, float, float) {
  DropTip();
  idleTicks_ = 0;
  state_.IsHot = false;
  if (button == 1) PressFace();
}

void KelvoTBButton::MouseUp(std::int16_t button, std::int16_t, float, float) {
  state_.IsHot = false;
  if (button == 1) ReleaseFace(0);
}

// The hover tolerates one pixel more than the command button: it ends two
// pixels past the right or bottom edge.
void KelvoTBButton::MouseMove(std::int16_t button, std::int16_t, float x, float y) {
  idleTicks_ = 0;
  const FaceGeometry g = Geometry();
  const bool near = x >= 0 && x <= g.W + g.PX && y >= 0 && y <= g.H + g.PY;
  if (button == 1) {
    if (x >= 0 && x <= g.W && y >= 0 && y <= g.H) {
      PressFace();
    } else {
      DownLatch = false;
      state_.PressState = 0;
      DrawButton();
    }
  }
  if (!face_.ActiveBorder) return;
  if (!state_.IsHot) {
    EnterHover();
  } else if (!near) {
    ExitHover();
  }
}

}  // namespace kelvo::klvctl32

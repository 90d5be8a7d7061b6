// Mouse input as the container delivers it: pixels to twips, the capture a
// press takes until its release, Click and DblClick.

#include "fixture.h"

namespace kelvo::forms::test {
namespace {

class Mouse : public FormsTest {
 protected:
  void Button(win::Msg type, int button, int x, int y) { Ws().MouseButton(type, button, 0, {x, y}); }

  Form& form = NewForm(u"frm", {.origin = {0, 0}});
  // 10,20 to 110,40 in screen pixels.
  Control& t = Add(form, kRecorder, u"t", {150, 300, 1500, 300});
};

TEST_F(Mouse, PressCapturesUntilReleaseAndClicksWhenReleasedInside) {
  Log();
  Button(win::Msg::MouseDown, 1, 15, 25);
  EXPECT_EQ(Ws().Capture(), t.Hwnd());
  EXPECT_EQ(Log(), "t.GotFocus t.MouseDown(1,0,75,75)");
  Button(win::Msg::MouseUp, 1, 16, 25);
  EXPECT_EQ(Ws().Capture(), 0u);
  EXPECT_EQ(Log(), "t.MouseUp(1,0,90,75) t.Click");
}

TEST_F(Mouse, CapturedControlGetsMovesOutsideAndNoClickWhenReleasedOutside) {
  Button(win::Msg::MouseDown, 1, 15, 25);
  Log();
  Button(win::Msg::MouseMove, 1, 200, 25);
  Button(win::Msg::MouseUp, 1, 200, 25);
  EXPECT_EQ(Log(), "t.MouseMove(1,0,2850,75) t.MouseUp(1,0,2850,75)");
  EXPECT_EQ(Ws().Capture(), 0u);
}

TEST_F(Mouse, RightButtonDoesNotClick) {
  Button(win::Msg::MouseDown, 2, 15, 25);
  Log();
  Button(win::Msg::MouseUp, 2, 15, 25);
  EXPECT_EQ(Log(), "t.MouseUp(2,0,75,75)");
}

TEST_F(Mouse, CaptureHoldsWhileAnotherButtonIsDown) {
  Button(win::Msg::MouseDown, 1, 15, 25);
  Button(win::Msg::MouseDown, 2, 15, 25);
  Button(win::Msg::MouseUp, 1, 15, 25);
  EXPECT_EQ(Ws().Capture(), t.Hwnd());
  Button(win::Msg::MouseUp, 2, 15, 25);
  EXPECT_EQ(Ws().Capture(), 0u);
}

TEST_F(Mouse, DoubleClickIsDelivered) {
  Log();
  Button(win::Msg::DblClick, 1, 15, 25);
  EXPECT_EQ(Log(), "t.DblClick");
}

TEST_F(Mouse, DesignModePressSelectsInsteadOfDelivering) {
  Form& design = NewForm(u"designed", {.origin = {300, 300}, .design = true});
  Control& c = Add(design, kRecorder, u"c", {0, 0, 1500, 300});
  Log();
  Button(win::Msg::MouseDown, 1, 305, 305);
  Button(win::Msg::MouseUp, 1, 305, 305);
  EXPECT_EQ(Log(), "");
  ASSERT_EQ(design.SelectedControls().size(), 1u);
  EXPECT_EQ(design.SelectedControls()[0], &c);
}

}  // namespace
}  // namespace kelvo::forms::test

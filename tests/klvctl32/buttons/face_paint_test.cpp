// The face's picture in pixels: the light/shadow rings of every state and
// style of both buttons, the focus rectangle and the dots over a disabled
// picture.
#include "button_fixture.h"
#include "reference_image.h"

namespace kelvo::klvctl32 {
namespace {

using testing::ColorText;
using testing::PixelText;

constexpr gfx::OleColor kLightOut = 0x80000014u, kShadowOut = 0x80000015u, kLightIn = 0x80000016u,
                        kShadowIn = 0x80000010u, kFace = 0x8000000Fu;
constexpr int kW = 60, kH = 24;

// The ring at inset k: top and left light, right and bottom shadow, with
// the top-right, bottom-left and bottom-right corners in shadow.
void ExpectRing(const gfx::Surface& s, int k, gfx::OleColor light, gfx::OleColor shadow) {
  const int x2 = s.widthPx() - 1 - k, y2 = s.heightPx() - 1 - k, mx = s.widthPx() / 2, my = s.heightPx() / 2;
  SCOPED_TRACE(::testing::Message() << "ring " << k);
  EXPECT_EQ(PixelText(s, k, k), ColorText(light));
  EXPECT_EQ(PixelText(s, mx, k), ColorText(light));
  EXPECT_EQ(PixelText(s, k, my), ColorText(light));
  EXPECT_EQ(PixelText(s, x2, k), ColorText(shadow));
  EXPECT_EQ(PixelText(s, x2, my), ColorText(shadow));
  EXPECT_EQ(PixelText(s, k, y2), ColorText(shadow));
  EXPECT_EQ(PixelText(s, mx, y2), ColorText(shadow));
  EXPECT_EQ(PixelText(s, x2, y2), ColorText(shadow));
}

void ExpectNoRing(const gfx::Surface& s, int k) { ExpectRing(s, k, kFace, kFace); }

class FacePaint : public testing::ButtonTest {
 protected:
  forms::Form& form = NewForm();
  forms::Control& Command() { return AddCommand(form, {0, 0, kW * 15.0, kH * 15.0}); }
  forms::Control& Toolbar() {
    forms::Control& b = AddToolbarButton(form, {0, 0, kW * 15.0, kH * 15.0}, u"b");
    Let(b, u"AutoSize", com::Variant::Boolean(false));
    return b;
  }
  static void Press(forms::Control& c) {
    std::int16_t key = 32, shift = 0;
    c.KeyDown(key, shift);
  }
};

TEST_F(FacePaint, CommandIdleIn3DAndFlat) {
  forms::Control& c = Command();
  ExpectRing(c.Surface(), 0, kLightOut, kShadowOut);
  ExpectRing(c.Surface(), 1, kLightIn, kShadowIn);
  ExpectNoRing(c.Surface(), 2);
  Let(c, u"Style", com::Variant::Integer(kcFlat));
  ExpectRing(c.Surface(), 0, kLightOut, kShadowIn);
  ExpectNoRing(c.Surface(), 1);
}

TEST_F(FacePaint, CommandFocusedHasThreeRingsAndTheDottedRectangle) {
  forms::Control& c = Command();
  Let(c, u"Style", com::Variant::Integer(kcFlat));  // the focused look is the same for both styles
  c.Focus();
  const gfx::Surface& s = c.Surface();
  ExpectRing(s, 0, kShadowOut, kShadowOut);
  ExpectRing(s, 1, kLightOut, kShadowOut);
  ExpectRing(s, 2, kLightIn, kShadowIn);
  // Every second pixel of the outline from (4, 4) to (W-5, H-5) is inverted.
  const std::string face = ColorText(kFace);
  EXPECT_NE(PixelText(s, 4, 4), face);
  EXPECT_EQ(PixelText(s, 5, 4), face);
  EXPECT_NE(PixelText(s, 6, 4), face);
  EXPECT_NE(PixelText(s, kW - 5, kH - 5), face);
  EXPECT_EQ(PixelText(s, kW - 4, kH - 5), face);
  EXPECT_EQ(PixelText(s, 5, 5), face);
}

TEST_F(FacePaint, CommandPressedIsTwoDarkRingsAndKeepsItsPictureWithoutFocus) {
  forms::Control& c = Command();
  c.Focus();
  Press(c);
  ExpectRing(c.Surface(), 0, kShadowOut, kShadowOut);
  ExpectRing(c.Surface(), 1, kShadowIn, kShadowIn);
}

TEST_F(FacePaint, CommandPressedWithoutFocusIsNotRepainted) {
  forms::Control& c = Command();
  Press(c);
  EXPECT_EQ(Button(c).State().PressState, 1);
  ExpectRing(c.Surface(), 0, kLightOut, kShadowOut);
}

TEST_F(FacePaint, ToolbarFlatShowsItsRingOnlyWhileHotOrAtDesignTime) {
  forms::Control& b = Toolbar();
  ExpectNoRing(b.Surface(), 0);
  Ws().SetCursorPos({5, 5});
  b.Instance()->MouseMove(0, 0, 75, 75);
  ExpectRing(b.Surface(), 0, kLightOut, kShadowIn);
  Press(b);
  ExpectRing(b.Surface(), 0, kShadowIn, kLightOut);
  forms::Form& design = NewForm(u"design", {.design = true});
  forms::Control& d = AddToolbarButton(design, {0, 0, kW * 15.0, kH * 15.0}, u"d");
  Let(d, u"AutoSize", com::Variant::Boolean(false));
  ExpectRing(d.Surface(), 0, kLightOut, kShadowIn);
}

TEST_F(FacePaint, Toolbar3DIdleRaisedAndPressedSunken) {
  forms::Control& b = Toolbar();
  Let(b, u"Style", com::Variant::Integer(kc3D));
  ExpectRing(b.Surface(), 0, kLightOut, kShadowOut);
  ExpectRing(b.Surface(), 1, kLightIn, kShadowIn);
  Press(b);
  ExpectRing(b.Surface(), 0, kShadowOut, kLightOut);
  ExpectRing(b.Surface(), 1, kShadowIn, kLightIn);
}

TEST_F(FacePaint, DisabledPictureIsDottedWithTheBackColour) {
  forms::Control& c = Command();
  SetPicture(c, u"Picture", Square(16, {0, 128, 0}));
  Let(c, u"Enabled", com::Variant::Boolean(false));
  const FaceState& st = Button(c).State();
  const int x = st.PictureX / 15, y = st.PictureY / 15;
  const gfx::Surface& s = c.Surface();
  const std::string green = "#008000", face = ColorText(kFace);
  for (const int i : {0, 2, 14}) {
    EXPECT_EQ(PixelText(s, x + i, y + i), face);
    EXPECT_EQ(PixelText(s, x + i + 1, y + i), green);
    EXPECT_EQ(PixelText(s, x + i, y + i + 1), green);
  }
  // Its own disabled picture is shown without dots.
  SetPicture(c, u"DisabledPicture", Square(16, {128, 0, 0}));
  EXPECT_EQ(PixelText(s, x, y), "#800000");
}

}  // namespace
}  // namespace kelvo::klvctl32

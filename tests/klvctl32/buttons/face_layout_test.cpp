// The face layout against the surface's own text measures: each picture
// position with and without margin and distance, caption or picture alone,
// and the access key, at 96 and 120 dpi.
#include "klvctl32/buttons/face_layout.h"

#include <cmath>

#include "button_fixture.h"

namespace kelvo::klvctl32 {
namespace {

struct Expected {
  double captionX, captionY, pictureX, pictureY;
};

double Floor2(double v) { return std::floor(v / 2); }
double Nearest(double v) { return std::nearbyint(v); }

class FaceLayout : public testing::ButtonTest, public ::testing::WithParamInterface<int> {
 protected:
  FaceLayout() {
    Ws().SetScreenDpi(GetParam());
    px = GetParam() == 96 ? 15 : 12;
    c = &AddCommand(NewForm(), {0, 0, 120.0 * px, 40.0 * px});
    Let(*c, u"Caption", com::Variant::String(u"&Save"));
    SetPicture(*c, u"Picture", Square(16, {0, 128, 0}));
  }
  void Place(std::int16_t position, std::int16_t margin, std::int16_t distance) {
    Let(*c, u"Margin", com::Variant::Integer(margin));
    Let(*c, u"Distance", com::Variant::Integer(distance));
    Let(*c, u"PictPosition", com::Variant::Integer(position));
  }
  // What the positions must be, from the surface's measures of "Save".
  Expected Expect(std::int16_t position, double m, double d) const {
    const gfx::Surface& s = c->Surface();
    const double W = s.ScaleWidth(), H = s.ScaleHeight(), tw = s.TextWidth(u"Save"), th = s.TextHeight(u"Save");
    const double P = 16;
    Expected e{};
    switch (position) {
      case kcTop: {
        const double block = Nearest(P * px + d * px + th);
        e.pictureY = m == 0 ? Floor2(H - block) : m * px;
        e.pictureX = Floor2(W - P * px);
        e.captionX = Floor2(W - tw);
        e.captionY = e.pictureY + P * px + d * px;
        break;
      }
      case kcBottom: {
        const double block = Nearest(P * px + d * px + th);
        e.captionY = m == 0 ? Floor2(H - block) : m * px;
        e.captionX = Floor2(W - (tw + 2 * px));
        e.pictureX = Floor2(W - P * px);
        e.pictureY = e.captionY + Nearest(th + d * px);
        break;
      }
      case kcLeft: {
        const double block = Nearest(P * px + d * px + tw);
        e.pictureX = m == 0 ? Floor2(W - block) : m * px;
        e.pictureY = Floor2(H - P * px);
        e.captionY = Floor2(H - th);
        e.captionX = e.pictureX + P * px + (d + 1) * px;
        break;
      }
      default: {
        const double block = Nearest(P * px + d * px + tw);
        e.captionX = m == 0 ? Floor2(W - block) : m * px;
        e.captionY = Floor2(H - th);
        e.pictureY = Floor2(H - P * px);
        e.pictureX = e.captionX + Nearest(tw + (d + 1) * px);
      }
    }
    return e;
  }
  void ExpectLayout(const Expected& e) const {
    const FaceState& s = Button(*c).State();
    EXPECT_EQ(s.CaptionX, e.captionX);
    EXPECT_EQ(s.CaptionY, e.captionY);
    EXPECT_EQ(s.PictureX, e.pictureX);
    EXPECT_EQ(s.PictureY, e.pictureY);
  }

  int px = 15;
  forms::Control* c = nullptr;
};

TEST_P(FaceLayout, EveryPositionWithAndWithoutMarginAndDistance) {
  for (const std::int16_t position : {kcTop, kcBottom, kcLeft, kcRight}) {
    for (const std::int16_t margin : {0, 5}) {
      for (const std::int16_t distance : {0, 4}) {
        SCOPED_TRACE(::testing::Message()
                     << "position " << position << " margin " << margin << " distance " << distance);
        Place(position, margin, distance);
        ExpectLayout(Expect(position, margin, distance));
      }
    }
  }
}

// The text side stands one pixel further out than the centred block counts.
TEST_P(FaceLayout, LeftLeavesDistancePlusOnePixelsBetweenPictureAndText) {
  Place(kcLeft, 0, 4);
  const FaceState& s = Button(*c).State();
  EXPECT_EQ(s.CaptionX - (s.PictureX + 16 * px), 5 * px);
}

// Centred as if two pixels wider: one pixel left of true centre.
TEST_P(FaceLayout, BottomCentresTheCaptionTwoPixelsWider) {
  Place(kcBottom, 0, 0);
  const gfx::Surface& surface = c->Surface();
  EXPECT_EQ(Button(*c).State().CaptionX, Floor2(surface.ScaleWidth() - surface.TextWidth(u"Save")) - px);
}

TEST_P(FaceLayout, CaptionAloneIsOneLineHighWhateverItHolds) {
  ClearPicture(*c, u"Picture");
  Let(*c, u"Caption", com::Variant::String(u"A\r\nB"));
  const gfx::Surface& s = c->Surface();
  EXPECT_EQ(Button(*c).State().CaptionY, Floor2(s.ScaleHeight() - s.TextHeight(u"M")));
  Let(*c, u"Margin", com::Variant::Integer(3));
  EXPECT_EQ(Button(*c).State().CaptionX, 3 * px);
}

TEST_P(FaceLayout, PictureAloneAndNeitherKeepsTheLastPositions) {
  Let(*c, u"Caption", com::Variant::String(u"&"));
  const gfx::Surface& s = c->Surface();
  EXPECT_EQ(Button(*c).State().PictureX, Floor2(s.ScaleWidth() - 16 * px));
  EXPECT_EQ(Button(*c).State().PictureY, Floor2(s.ScaleHeight() - 16 * px));
  const FaceState before = Button(*c).State();
  ClearPicture(*c, u"Picture");
  Let(*c, u"PictSize", com::Variant::Integer(kc32x32));
  EXPECT_EQ(Button(*c).State().PictureX, before.PictureX);
  EXPECT_EQ(Button(*c).State().CaptionX, before.CaptionX);
  EXPECT_EQ(Button(*c).State().PictureSizePx, 32);
}

INSTANTIATE_TEST_SUITE_P(Dpi, FaceLayout, ::testing::Values(96, 120));

TEST(SplitAccessKey, RemovesOnlyTheFirstAmpersand) {
  EXPECT_EQ(SplitAccessKey(u"&Save").display, u"Save");
  EXPECT_EQ(SplitAccessKey(u"&Save").accessKeys, u"S");
  EXPECT_EQ(SplitAccessKey(u"a&b&c").display, u"ab&c");
  EXPECT_EQ(SplitAccessKey(u"&").display, u"");
  EXPECT_EQ(SplitAccessKey(u"&").accessKeys, u"");
  EXPECT_FALSE(SplitAccessKey(u"Save").accessKeys.has_value());
}

}  // namespace
}  // namespace kelvo::klvctl32

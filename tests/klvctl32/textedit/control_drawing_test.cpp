// KelvoTextEdit's picture in pixels at 96 and 120 dpi: the sunken and the flat
// frame, the shadow band, and the selection box, flat and raised. Positions of
// text come from the surface's own measures.
#include "control_fixture.h"
#include "reference_image.h"

namespace kelvo::klvctl32 {
namespace {

using testing::Matches;
using testing::ReferenceImage;

constexpr gfx::OleColor kWindow = 0x80000005u;
constexpr gfx::OleColor kFace = 0x8000000Fu;
constexpr gfx::OleColor kShadowEdge = 0x80000010u;
constexpr gfx::OleColor kLightEdge = 0x80000014u;
constexpr gfx::OleColor kBlack = 0;
constexpr int kW = 100;
constexpr int kH = 21;

// DrawEditFrame in pixels: top x1..x2-1, bottom x1..x2, left y1..y2 (drawn
// after the bottom), right y1..y2-1.
void EditFrame(ReferenceImage& img, int x1, int y1, int x2, int y2, gfx::OleColor c1, gfx::OleColor c2) {
  img.Row(y1, x1, x2 - 1, c1);
  img.Row(y2, x1, x2, c2);
  img.Column(x1, y1, y2, c1);
  img.Column(x2, y1, y2 - 1, c2);
}

ReferenceImage Box(int w, int h, gfx::OleColor surfaceBack, bool sunken) {
  ReferenceImage img(kW, kH, surfaceBack);
  for (int y = 0; y < h; ++y) img.Row(y, 0, w - 1, kWindow);
  if (sunken) {
    EditFrame(img, 0, 0, w - 1, h - 1, kShadowEdge, kLightEdge);
    EditFrame(img, 1, 1, w - 2, h - 2, kBlack, kFace);
  } else {
    EditFrame(img, 0, 0, w - 1, h - 1, kBlack, kBlack);
  }
  return img;
}

class EditPicture : public testing::TextEditTest, public ::testing::WithParamInterface<int> {
 protected:
  EditPicture() {
    Ws().SetScreenDpi(GetParam());
    tpp = GetParam() == 96 ? 15 : 12;
    form = &NewForm();
    edit = &AddEdit(*form, u"t", {0, 0, static_cast<double>(kW * tpp), static_cast<double>(kH * tpp)});
    Let(*edit, u"Text", com::Variant::String(u""));
  }
  const gfx::Surface& Surface() const { return edit->Surface(); }

  int tpp = 15;
  forms::Form* form = nullptr;
  forms::Control* edit = nullptr;
};

TEST_P(EditPicture, SunkenFrameOfTwoEdges) {
  EXPECT_TRUE(Matches(Surface(), Box(kW, kH, Surface().BackColor(), true)));
}

TEST_P(EditPicture, FlatFrameIsBlack) {
  Let(*edit, u"Border3D", com::Variant::Boolean(false));
  EXPECT_TRUE(Matches(Surface(), Box(kW, kH, Surface().BackColor(), false)));
}

TEST_P(EditPicture, ShadowTakesFivePixelsRightAndBelow) {
  Let(*edit, u"ShadowColor", com::Variant::Long(0x00FF0000));
  Let(*edit, u"Shadow", com::Variant::Boolean(true));
  ReferenceImage expected = Box(kW - 5, kH - 5, Surface().BackColor(), true);
  for (int y = 5; y < kH; ++y) expected.Row(y, kW - 5, kW - 1, 0x00FF0000);
  for (int y = kH - 5; y < kH; ++y) expected.Row(y, 5, kW - 1, 0x00FF0000);
  EXPECT_TRUE(Matches(Surface(), expected));
}

// The selection box spans the selected characters' measured width.
struct SelectionBox {
  int x1, y1, x2, y2;
};

SelectionBox BoxOf(const gfx::Surface& s, std::u16string_view before, std::u16string_view sel, int tpp) {
  const int x1 = static_cast<int>(s.TextWidth(before)) / tpp + 3;
  const int x2 = x1 + static_cast<int>(s.TextWidth(sel)) / tpp - 1;
  const int y2 = static_cast<int>(s.TextHeight(u"M")) / tpp + 3 - 1;
  return {x1, 3, x2, y2};
}

TEST_P(EditPicture, FlatSelectionIsFilledInSelectColor) {
  Let(*edit, u"SelectColor", com::Variant::Long(0x0000FF00));
  Let(*edit, u"Text", com::Variant::String(u"1234"));
  std::vector<com::Variant> args{com::Variant::Integer(1), com::Variant::Integer(2)};
  edit->Extender()->Invoke(u"SetSelectedText", com::InvokeKind::Method, args);
  const SelectionBox b = BoxOf(Surface(), u"1", u"23", tpp);
  EXPECT_EQ(testing::PixelText(Surface(), b.x1, b.y1), "#00FF00");
  EXPECT_EQ(testing::PixelText(Surface(), b.x2, b.y2), "#00FF00");
  EXPECT_EQ(testing::PixelText(Surface(), b.x2 + 1, b.y2), testing::ColorText(kWindow));
  EXPECT_EQ(testing::PixelText(Surface(), b.x1, b.y2 + 1), testing::ColorText(kWindow));
}

TEST_P(EditPicture, RaisedSelectionHasAButtonEdge) {
  Let(*edit, u"Selection3D", com::Variant::Boolean(true));
  Let(*edit, u"Text", com::Variant::String(u"1234"));
  std::vector<com::Variant> args{com::Variant::Integer(1), com::Variant::Integer(2)};
  edit->Extender()->Invoke(u"SetSelectedText", com::InvokeKind::Method, args);
  const SelectionBox b = BoxOf(Surface(), u"1", u"23", tpp);
  for (int y = b.y1; y <= b.y2 + 1; ++y) {
    EXPECT_EQ(testing::PixelText(Surface(), b.x1 - 1, y), testing::ColorText(kLightEdge)) << "y " << y;
  }
  for (int y = b.y1; y <= b.y2; ++y) {
    EXPECT_EQ(testing::PixelText(Surface(), b.x2 + 1, y), testing::ColorText(kShadowEdge)) << "y " << y;
  }
  EXPECT_EQ(testing::PixelText(Surface(), b.x1, b.y2 + 1), testing::ColorText(kShadowEdge));
  EXPECT_EQ(testing::PixelText(Surface(), b.x2 + 2, b.y2 + 1), testing::ColorText(kWindow));
}

INSTANTIATE_TEST_SUITE_P(Dpi, EditPicture, ::testing::Values(96, 120));

}  // namespace
}  // namespace kelvo::klvctl32

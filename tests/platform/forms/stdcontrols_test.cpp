// The standard controls draw on their surfaces and keep their properties.

#include "fixture.h"

#include "platform/gfx/color.h"
#include "platform/win/compose.h"

namespace kelvo::forms::test {
namespace {

void Let(Control& c, std::u16string_view name, com::Variant v) {
  std::vector<com::Variant> args{std::move(v)};
  c.Extender()->Invoke(name, com::InvokeKind::Let, args);
}

gfx::Rgb Pixel(Control& c, int x, int y) { return c.Surface().PixelAt(x, y); }
gfx::Rgb Sys(gfx::OleColor c) { return gfx::ResolveColor(c); }

using StandardControls = FormsTest;

TEST_F(StandardControls, LabelPrintsItsCaptionAlignedAndTakesItsAccessKey) {
  Form& f = NewForm();
  Control& l = Add(f, u"Label", u"lblName", {0, 0, 1500, 300});
  l.Surface().TakePrints();
  Let(l, u"Caption", com::Variant::String(u"&Name"));
  auto prints = l.Surface().TakePrints();
  ASSERT_EQ(prints.size(), 1u);
  EXPECT_EQ(prints[0].text, u"Name");
  EXPECT_EQ(prints[0].x, 0);
  EXPECT_EQ(prints[0].color, 0x80000012u);
  EXPECT_EQ(l.AccessKeys(), u"N");
  Let(l, u"Alignment", com::Variant::Integer(1));
  prints = l.Surface().TakePrints();
  ASSERT_EQ(prints.size(), 1u);
  EXPECT_EQ(prints[0].x, 100 - l.Surface().Face().Width(u"Name"));
}

TEST_F(StandardControls, NewLabelShowsItsNameAndAutoSizeFitsTheText) {
  Form& f = NewForm();
  Control& l = Add(f, u"Label", u"Label1", {0, 0, 3000, 900});
  std::vector<com::Variant> none;
  EXPECT_EQ(l.Extender()->Invoke(u"Caption", com::InvokeKind::Get, none).ToString(), u"Label1");
  Let(l, u"AutoSize", com::Variant::Boolean(true));
  const gfx::FontFace& face = l.Surface().Face();
  EXPECT_EQ(l.Surface().widthPx(), face.Width(u"Label1"));
  EXPECT_EQ(l.Surface().heightPx(), face.Height());
}

TEST_F(StandardControls, OpaqueShapeFillsInsideItsBorder) {
  Form& f = NewForm();
  Control& s = Add(f, u"Shape", u"shp", {0, 0, 600, 450});  // 40 x 30 pixels
  Let(s, u"BackStyle", com::Variant::Integer(1));
  Let(s, u"BackColor", com::Variant::Long(0x0000FF));
  Let(s, u"BorderColor", com::Variant::Long(0x00FF00));
  EXPECT_EQ(Pixel(s, 0, 0), (gfx::Rgb{0, 255, 0}));
  EXPECT_EQ(Pixel(s, 39, 29), (gfx::Rgb{0, 255, 0}));
  EXPECT_EQ(Pixel(s, 20, 15), (gfx::Rgb{255, 0, 0}));
  Let(s, u"Shape", com::Variant::Integer(2));  // oval: the corners show the form
  EXPECT_EQ(Pixel(s, 0, 0), Sys(0x8000000F));
  EXPECT_EQ(Pixel(s, 20, 15), (gfx::Rgb{255, 0, 0}));
}

TEST_F(StandardControls, ShapeHatchFillDrawsEveryEighthRow) {
  Form& f = NewForm();
  Control& s = Add(f, u"Shape", u"shp", {0, 0, 600, 450});
  Let(s, u"BorderStyle", com::Variant::Integer(0));
  Let(s, u"FillStyle", com::Variant::Integer(2));
  Let(s, u"FillColor", com::Variant::Long(0x0000FF));
  EXPECT_EQ(Pixel(s, 5, 8), (gfx::Rgb{255, 0, 0}));
  EXPECT_EQ(Pixel(s, 5, 9), Sys(0x8000000F));
}

TEST_F(StandardControls, LineRunsBetweenItsEndsInsideItsBoundingBox) {
  Form& f = NewForm();
  Control& l = Add(f, u"Line", u"ln", {150, 300, 1500, 0});
  EXPECT_EQ(l.Rect().left, 150);
  EXPECT_EQ(l.Surface().widthPx(), 101);
  EXPECT_EQ(l.Surface().heightPx(), 1);
  Let(l, u"BorderColor", com::Variant::Long(0x0000FF));
  EXPECT_EQ(Pixel(l, 0, 0), (gfx::Rgb{255, 0, 0}));
  EXPECT_EQ(Pixel(l, 100, 0), (gfx::Rgb{255, 0, 0}));
  Let(l, u"Y2", com::Variant::Long(600));
  EXPECT_EQ(l.Surface().heightPx(), 21);
  EXPECT_EQ(Pixel(l, 100, 20), (gfx::Rgb{255, 0, 0}));
  EXPECT_EQ(Pixel(l, 100, 0), Sys(0x8000000F));
}

TEST_F(StandardControls, FrameHoldsItsControlsAndDrawsItsCaption) {
  Form& f = NewForm();
  Control& fra = Add(f, u"Frame", u"fra", {150, 150, 3000, 1500});
  Control& inside = f.AddControl(u"Shape", u"shp", {150, 300, 300, 300}, &fra);
  EXPECT_EQ(win::WindowSystem::Get().Parent(inside.Hwnd()), fra.Hwnd());
  const auto prints = fra.Surface().TakePrints();
  ASSERT_FALSE(prints.empty());
  EXPECT_EQ(prints.back().text, u"fra");
  fra.SetVisible(false);
  EXPECT_FALSE(win::WindowSystem::Get().IsVisible(inside.Hwnd()));
  EXPECT_EQ(fra.AccessKeys(), u"");
}

TEST_F(StandardControls, ImageTakesThePictureSizeUnlessStretched) {
  Form& f = NewForm();
  Control& img = Add(f, u"Image", u"img", {0, 0, 900, 900});
  std::vector<com::Variant> pic{com::Variant::Object(CreatePictureObject(gfx::Image(5, 4, 0xFF0000FFu)))};
  img.Extender()->Invoke(u"Picture", com::InvokeKind::Set, pic);
  EXPECT_EQ(img.Surface().widthPx(), 5);
  EXPECT_EQ(img.Surface().heightPx(), 4);
  EXPECT_EQ(Pixel(img, 4, 3), (gfx::Rgb{0, 0, 255}));
  Let(img, u"Stretch", com::Variant::Boolean(true));
  Let(img, u"Width", com::Variant::Long(300));
  EXPECT_EQ(img.Surface().widthPx(), 20);
  EXPECT_EQ(Pixel(img, 19, 3), (gfx::Rgb{0, 0, 255}));
}

TEST_F(StandardControls, ComposedFormShowsVisibleChildrenClippedToTheirParents) {
  Form& f = NewForm(u"frm", {.clientWidth = 1500, .clientHeight = 1500});  // 100 x 100 pixels
  Control& fra = Add(f, u"Frame", u"fra", {150, 150, 750, 750});          // 10..60
  Control& shp = f.AddControl(u"Shape", u"shp", {300, 300, 1500, 1500}, &fra);
  Let(shp, u"BackStyle", com::Variant::Integer(1));
  Let(shp, u"BackColor", com::Variant::Long(0x0000FF));
  const gfx::Image shot = win::ComposeWindow(f.Hwnd());
  ASSERT_EQ(shot.width(), 100);
  EXPECT_EQ(shot.RgbAt(40, 40), (gfx::Rgb{255, 0, 0}));
  EXPECT_EQ(shot.RgbAt(70, 70), Sys(0x8000000F));  // outside the frame: clipped
  shp.SetVisible(false);
  EXPECT_NE(win::ComposeWindow(f.Hwnd()).RgbAt(40, 40), (gfx::Rgb{255, 0, 0}));
  EXPECT_TRUE(win::ComposeWindow(0).empty());
}

}  // namespace
}  // namespace kelvo::forms::test

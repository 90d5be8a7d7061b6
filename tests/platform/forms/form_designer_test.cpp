// The form designer on standard controls: what it draws around a selection,
// resizing from a corner, removing a container, and saving.

#include "platform/forms/form_designer.h"

#include <fstream>
#include <sstream>

#include "fixture.h"
#include "platform/win/compose.h"
#include "support/golden_image.h"

namespace kelvo::forms::test {
namespace {

class FormDesignerTest : public FormsTest {
 protected:
  Form& DesignForm() { return NewForm(u"frm", {.clientWidth = 3600, .clientHeight = 1800, .design = true}); }
  static FormDesigner& DesignerOf(const Form& f) { return *f.Designer(); }
  // A press, a move and a release at form pixels.
  static void Drag(FormDesigner& d, win::POINT from, win::POINT to, Control* hit = nullptr) {
    d.MouseDown(from, 0, hit);
    d.MouseMove(to);
    d.MouseUp(to);
  }
};

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST_F(FormDesignerTest, ShowsHandlesAroundTheSelectedControl) {
  Form& f = DesignForm();
  Control& label = Add(f, u"Label", u"lblName", {120, 120, 1200, 300});
  Control& text = Add(f, u"TextBox", u"txtName", {1440, 120, 1800, 315});
  Add(f, u"CommandButton", u"cmdOK", {1440, 840, 1200, 375});
  std::vector<com::Variant> caption{com::Variant::String(u"Name:")};
  label.Extender()->Invoke(u"Caption", com::InvokeKind::Let, caption);
  text.MouseDown(1, 0, 30, 30);
  text.MouseUp(1, 0, 30, 30);
  ASSERT_EQ(f.SelectedControls(), std::vector<Control*>{&text});
  EXPECT_TRUE(kelvo::testing::MatchesGolden(win::ComposeWindow(f.Hwnd()), "designer", "selected_control"));
}

TEST_F(FormDesignerTest, ACornerHandleResizesAgainstTheOppositeCornerAndKeepsAPixel) {
  Form& f = DesignForm();
  Control& c = Add(f, u"Label", u"lbl", {300, 300, 600, 300});  // pixels 20,20 to 60,40
  FormDesigner& d = DesignerOf(f);
  d.MouseDown({30, 30}, 0, &c);
  d.MouseUp({30, 30});
  Drag(d, {20, 20}, {10, 15});  // the top-left handle
  EXPECT_EQ(c.Rect().left, 150);
  EXPECT_EQ(c.Rect().top, 225);
  EXPECT_EQ(c.Rect().width, 750);
  EXPECT_EQ(c.Rect().height, 375);
  Drag(d, {10, 15}, {200, 200});  // past the opposite corner
  EXPECT_EQ(c.Rect().left, 885);
  EXPECT_EQ(c.Rect().width, 15);
  EXPECT_EQ(c.Rect().height, 15);
  EXPECT_TRUE(d.Changed());
}

TEST_F(FormDesignerTest, DeletingAFrameRemovesWhatItHolds) {
  Form& f = DesignForm();
  Control& frame = Add(f, u"Frame", u"fra", {120, 120, 2400, 1200});
  f.AddControl(u"Label", u"lblInside", {120, 240, 900, 300}, &frame);
  Control& outside = Add(f, u"Label", u"lblOutside", {120, 1440, 900, 300});
  f.Select(&frame);
  f.AddToSelection(*f.Find(u"lblInside"));
  DesignerOf(f).KeyDown(0x2E, 0);
  EXPECT_EQ(f.Controls(), std::vector<Control*>{&outside});
  EXPECT_TRUE(f.SelectedControls().empty());
}

TEST_F(FormDesignerTest, SavingAnUneditedFormKeepsItsTextAndAnEditedOneIsWritten) {
  const std::filesystem::path file = Root().path() / "kept.frm";
  const std::string text =
      "' A form kept as written\r\nBegin Form frmKept\n   Caption = \"Kept\"\n   Begin Label lbl\n      Left = 120\n"
      "      Top = 120\n      Width = 900\n      Height = 300\n   End\nEnd\n";
  std::ofstream(file, std::ios::binary) << text;
  Form& f = app.LoadFormFile(file, true);
  FormDesigner& d = DesignerOf(f);
  EXPECT_FALSE(d.Changed());
  d.KeyDown('S', 2);
  EXPECT_EQ(ReadAll(file), text);

  f.Select(f.Find(u"lbl"));
  d.KeyDown(0x27, 0);  // Right: one pixel
  EXPECT_TRUE(d.Changed());
  d.KeyDown('S', 2);
  EXPECT_FALSE(d.Changed());
  EXPECT_EQ(ReadAll(file), app.FormFileText(f, file));
  EXPECT_NE(ReadAll(file).find("Left = 135"), std::string::npos);
}

}  // namespace
}  // namespace kelvo::forms::test

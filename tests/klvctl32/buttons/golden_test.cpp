// The buttons' pictures in a few states against committed PNGs, in the
// built-in font, with a 16-pixel picture drawn here.
#include "button_fixture.h"
#include "support/golden_image.h"

namespace kelvo::klvctl32 {
namespace {

using kelvo::testing::MatchesGolden;

// A blue square with a white diagonal, so that stretching and dots show.
gfx::Image TestPicture() {
  gfx::Image image(16, 16, 0xFF2060A0u);
  for (int i = 0; i < 16; ++i) image.SetRgb(i, i, {255, 255, 255});
  return image;
}

class ButtonGolden : public testing::ButtonTest {
 protected:
  forms::Form& form = NewForm();
  forms::Control& Command() {
    forms::Control& c = AddCommand(form, {0, 0, 1500, 450});
    Let(c, u"Caption", com::Variant::String(u"&Save"));
    SetPicture(c, u"Picture", TestPicture());
    return c;
  }
  forms::Control& Toolbar(forms::Form& f) {
    forms::Control& b = AddToolbarButton(f, {0, 0, 600, 600});
    SetPicture(b, u"Picture", TestPicture());
    return b;
  }
};

TEST_F(ButtonGolden, CommandNormal) { EXPECT_TRUE(MatchesGolden(Command().Surface(), "buttons", "command_normal")); }

TEST_F(ButtonGolden, CommandFocusedDefault) {
  forms::Control& c = Command();
  c.SetDefault(true);
  c.Focus();
  EXPECT_TRUE(MatchesGolden(c.Surface(), "buttons", "command_focused_default"));
}

TEST_F(ButtonGolden, CommandPressed) {
  forms::Control& c = Command();
  c.Focus();
  std::int16_t key = 32, shift = 0;
  c.KeyDown(key, shift);
  EXPECT_TRUE(MatchesGolden(c.Surface(), "buttons", "command_pressed"));
}

TEST_F(ButtonGolden, CommandDisabledWithPicture) {
  forms::Control& c = Command();
  Let(c, u"Enabled", com::Variant::Boolean(false));
  EXPECT_TRUE(MatchesGolden(c.Surface(), "buttons", "command_disabled"));
}

TEST_F(ButtonGolden, ToolbarFlatIdleHotAndPressed) {
  forms::Control& b = Toolbar(form);
  EXPECT_TRUE(MatchesGolden(b.Surface(), "buttons", "toolbar_idle"));
  Ws().SetCursorPos({5, 5});
  b.MouseMove(0, 0, 75, 75);
  EXPECT_TRUE(MatchesGolden(b.Surface(), "buttons", "toolbar_hot"));
  b.MouseDown(1, 0, 75, 75);
  EXPECT_TRUE(MatchesGolden(b.Surface(), "buttons", "toolbar_pressed"));
}

TEST_F(ButtonGolden, ToolbarFlatAtDesignTime) {
  forms::Form& design = NewForm(u"design", {.design = true});
  EXPECT_TRUE(MatchesGolden(Toolbar(design).Surface(), "buttons", "toolbar_design"));
}

}  // namespace
}  // namespace kelvo::klvctl32

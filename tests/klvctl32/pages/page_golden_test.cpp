// The three pages as the designer shows them, in the built-in font, against
// committed PNGs: every caption, the disabled "Show Input Prompt", the frames.
#include <gtest/gtest.h>

#include <string>

#include "klvctl32/buttons/activecommand.h"
#include "klvctl32/numberedit/numberedit.h"
#include "klvctl32/pages/ppgbuttons.h"
#include "klvctl32/pages/ppgnumberedit.h"
#include "klvctl32/pages/ppgtextedit.h"
#include "klvctl32/textedit/textedit.h"
#include "platform/forms/application.h"
#include "platform/forms/designer.h"
#include "platform/gfx/font.h"
#include "platform/win/compose.h"
#include "platform/win/window_system.h"
#include "support/golden_image.h"

namespace kelvo::klvctl32 {
namespace {

template <class Control, class Page>
void Register(std::u16string_view control, std::u16string_view page) {
  forms::RegisterControlClass(std::u16string(control), [] { return com::MakeObject<Control>(); });
  forms::RegisterPropertyPageClass(std::u16string(page),
                                   [] { return com::ComPtr<forms::IPropertyPage>(com::MakeObject<Page>()); });
}

class PageGolden : public ::testing::Test {
 protected:
  PageGolden() {
    Register<KelvoTextEdit, TextEditPage>(u"KLVCTL32.KelvoTextEdit", u"KLVCTL32.ppgTextEdit");
    Register<KelvoNumberEdit, NumberEditPage>(u"KLVCTL32.KelvoNumberEdit", u"KLVCTL32.ppgNumberEdit");
    Register<KelvoActiveCommand, ButtonsPage>(u"KLVCTL32.KelvoActiveCommand", u"KLVCTL32.ppgButtons");
    gfx::SetFontSource(gfx::FontSource::Builtin);
    win::WindowSystem::Get().SetScreenDpi(96);
  }

  // The page opened on one new control of that class, as composed on screen.
  gfx::Image PageOn(std::u16string_view control, std::u16string_view page) {
    forms::Form& form = app.CreateForm(u"frm", {.design = true});
    forms::Control& c =
        form.AddControl(std::u16string(u"KLVCTL32.") + std::u16string(control), u"c1", {120, 120, 2400, 450});
    forms::PropertyPageFrame frame(app, std::u16string(u"KLVCTL32.") + std::u16string(page), {&c});
    return win::ComposeWindow(frame.Area().Hwnd());
  }

  forms::Application app;
};

TEST_F(PageGolden, TextEdit) {
  EXPECT_TRUE(testing::MatchesGolden(PageOn(u"KelvoTextEdit", u"ppgTextEdit"), "pages", "ppgtextedit"));
}

TEST_F(PageGolden, NumberEdit) {
  EXPECT_TRUE(testing::MatchesGolden(PageOn(u"KelvoNumberEdit", u"ppgNumberEdit"), "pages", "ppgnumberedit"));
}

TEST_F(PageGolden, Buttons) {
  EXPECT_TRUE(testing::MatchesGolden(PageOn(u"KelvoActiveCommand", u"ppgButtons"), "pages", "ppgbuttons"));
}

}  // namespace
}  // namespace kelvo::klvctl32

// KelvoTextEdit's picture in a few states against committed PNGs, in the
// built-in font (KELVO_UPDATE_GOLDEN=1 writes the PNGs instead).
#include "control_fixture.h"
#include "support/golden_image.h"

namespace kelvo::klvctl32 {
namespace {

using kelvo::testing::MatchesGolden;

class Golden : public testing::TextEditTest {
 protected:
  forms::Control& DateEdit(forms::Form& f) {
    forms::Control& t = AddEdit(f, u"t", {0, 0, 1500, 315});
    Let(t, u"Mask", com::Variant::String(u"99/99/9999"));
    Let(t, u"Text", com::Variant::String(u"25121999"));
    return t;
  }
};

TEST_F(Golden, Normal) {
  forms::Form& f = NewForm();
  EXPECT_TRUE(MatchesGolden(DateEdit(f).Surface(), "textedit", "normal"));
}

TEST_F(Golden, FocusedWithRaisedSelection) {
  forms::Form& f = NewForm();
  forms::Control& t = DateEdit(f);
  Let(t, u"Selection3D", com::Variant::Boolean(true));
  t.Focus();
  EXPECT_TRUE(MatchesGolden(t.Surface(), "textedit", "focused_3d_selection"));
}

TEST_F(Golden, Shadow) {
  forms::Form& f = NewForm();
  forms::Control& t = DateEdit(f);
  Let(t, u"Shadow", com::Variant::Boolean(true));
  Let(t, u"ShadowColor", com::Variant::Long(0x00808080));
  EXPECT_TRUE(MatchesGolden(t.Surface(), "textedit", "shadow"));
}

TEST_F(Golden, Disabled) {
  forms::Form& f = NewForm();
  forms::Control& t = DateEdit(f);
  Let(t, u"Enabled", com::Variant::Boolean(false));
  EXPECT_TRUE(MatchesGolden(t.Surface(), "textedit", "disabled"));
}

TEST_F(Golden, DesignTime) {
  forms::Form& f = NewForm(u"frm", {.design = true});
  forms::Control& t = AddEdit(f, u"t", {0, 0, 1500, 315});
  Let(t, u"Mask", com::Variant::String(u"99/99"));
  Let(t, u"MaxLength", com::Variant::Integer(8));
  EXPECT_TRUE(MatchesGolden(t.Surface(), "textedit", "design_time"));
}

}  // namespace
}  // namespace kelvo::klvctl32

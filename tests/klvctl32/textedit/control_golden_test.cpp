// KelvoTextEdit's picture in a few states against committed PNGs, in the
// built-in font. KELVO_UPDATE_GOLDEN=1 writes the PNGs instead; a mismatch
// names the first differing pixel and writes NAME_err.png beside the golden.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "control_fixture.h"
#include "platform/gfx/picture.h"

namespace kelvo::klvctl32 {
namespace {

std::filesystem::path GoldenDir() {
  const char* data = std::getenv("KELVO_TEST_DATA");
  return std::filesystem::path(data != nullptr ? data : "tests/data") / "golden" / "textedit";
}

bool UpdateRequested() {
  const char* flag = std::getenv("KELVO_UPDATE_GOLDEN");
  return flag != nullptr && std::string(flag) == "1";
}

std::string Hex(const gfx::Rgb c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.r, c.g, c.b);
  return buf;
}

::testing::AssertionResult MatchesGolden(const gfx::Surface& surface, const std::string& name) {
  const std::filesystem::path golden = GoldenDir() / (name + ".png");
  if (UpdateRequested()) {
    std::filesystem::create_directories(golden.parent_path());
    gfx::WritePng(surface.image(), golden);
    return ::testing::AssertionSuccess();
  }
  if (!std::filesystem::exists(golden)) return ::testing::AssertionFailure() << golden << " is missing";
  const gfx::Image expected = gfx::LoadPicture(golden);
  const gfx::Image& actual = surface.image();
  const std::filesystem::path err = GoldenDir() / (name + "_err.png");
  if (expected.width() != actual.width() || expected.height() != actual.height()) {
    gfx::WritePng(actual, err);
    return ::testing::AssertionFailure() << name << ": size " << actual.width() << "x" << actual.height()
                                         << ", golden " << expected.width() << "x" << expected.height();
  }
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if (actual.RgbAt(x, y) == expected.RgbAt(x, y)) continue;
      gfx::WritePng(actual, err);
      return ::testing::AssertionFailure() << name << ": first difference at (" << x << ", " << y << "): "
                                           << Hex(actual.RgbAt(x, y)) << ", golden " << Hex(expected.RgbAt(x, y))
                                           << "; wrote " << err;
    }
  }
  return ::testing::AssertionSuccess();
}

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
  EXPECT_TRUE(MatchesGolden(DateEdit(f).Surface(), "normal"));
}

TEST_F(Golden, FocusedWithRaisedSelection) {
  forms::Form& f = NewForm();
  forms::Control& t = DateEdit(f);
  Let(t, u"Selection3D", com::Variant::Boolean(true));
  t.Focus();
  EXPECT_TRUE(MatchesGolden(t.Surface(), "focused_3d_selection"));
}

TEST_F(Golden, Shadow) {
  forms::Form& f = NewForm();
  forms::Control& t = DateEdit(f);
  Let(t, u"Shadow", com::Variant::Boolean(true));
  Let(t, u"ShadowColor", com::Variant::Long(0x00808080));
  EXPECT_TRUE(MatchesGolden(t.Surface(), "shadow"));
}

TEST_F(Golden, Disabled) {
  forms::Form& f = NewForm();
  forms::Control& t = DateEdit(f);
  Let(t, u"Enabled", com::Variant::Boolean(false));
  EXPECT_TRUE(MatchesGolden(t.Surface(), "disabled"));
}

TEST_F(Golden, DesignTime) {
  forms::Form& f = NewForm(u"frm", {.design = true});
  forms::Control& t = AddEdit(f, u"t", {0, 0, 1500, 315});
  Let(t, u"Mask", com::Variant::String(u"99/99"));
  Let(t, u"MaxLength", com::Variant::Integer(8));
  EXPECT_TRUE(MatchesGolden(t.Surface(), "design_time"));
}

}  // namespace
}  // namespace kelvo::klvctl32

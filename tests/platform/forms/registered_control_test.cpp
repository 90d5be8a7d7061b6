// A control class that is not the container's own: created through the
// registry and its server's class factory, from code and from a form file.

#include <fstream>

#include "fixture.h"
#include "platform/com/error.h"
#include "platform/com/registry.h"
#include "platform/forms/formfile.h"
#include "support/temp_dir.h"

namespace kelvo::forms::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kClsid = "{1F0C55A2-7B0E-4C2D-8A61-0D3E5B774219}";

class RegisteredControl : public FormsTest {
 protected:
  RegisteredControl() { Register(KELVO_SWATCH_SERVER); }
  ~RegisteredControl() override {
    com::SystemRegistry().Update([](com::RegistryTree& t) {
      t.DeleteKey("HKEY_CLASSES_ROOT\\Fixture.Swatch");
      t.DeleteKey("HKEY_CLASSES_ROOT\\CLSID\\" + std::string(kClsid));
    });
  }

  static void Register(const std::string& server) {
    com::SystemRegistry().Update([&server](com::RegistryTree& t) {
      t.SetValue("HKEY_CLASSES_ROOT\\Fixture.Swatch\\CLSID", "", com::RegValue::Str(std::string(kClsid)));
      t.SetValue("HKEY_CLASSES_ROOT\\CLSID\\" + std::string(kClsid) + "\\InprocServer32", "",
                 com::RegValue::Str(server));
    });
  }

  fs::path WriteForm(const std::string& text) {
    const fs::path file = temp.path() / "swatch.frm";
    std::ofstream(file) << text;
    return file;
  }

  const kelvo::testing::TempDir temp;
};

TEST_F(RegisteredControl, IsCreatedThroughItsServerAndDrawsOnItsSurface) {
  Form& f = NewForm();
  Control& s = Add(f, u"Fixture.Swatch", u"sw", {0, 0, 150, 150});
  EXPECT_EQ(s.ClassInfo().name, u"Swatch");
  EXPECT_EQ(s.Surface().PixelAt(5, 5), (gfx::Rgb{255, 0, 0}));
  std::vector<com::Variant> green{com::Variant::Long(0x00FF00)};
  s.Extender()->Invoke(u"Color", com::InvokeKind::Let, green);
  EXPECT_EQ(s.Surface().PixelAt(5, 5), (gfx::Rgb{0, 255, 0}));
}

TEST_F(RegisteredControl, LoadsFromAFormFileAndSavesItsColourInHexadecimal) {
  const fs::path file = WriteForm(
      "Begin Form frmSwatch\n Begin Fixture.Swatch sw\n  Width = 150\n  Height = 150\n  Color = &H0000FF00&\n"
      " End\nEnd\n");
  Form& f = app.LoadFormFile(file);
  EXPECT_EQ(f.Find(u"sw")->Surface().PixelAt(1, 1), (gfx::Rgb{0, 255, 0}));
  app.SaveFormFile(f, file);
  std::ifstream in(file);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("Color = &H0000FF00&"), std::string::npos) << text;
  fs::remove(file);
}

TEST_F(RegisteredControl, MissingServerFailsTheLoadAndLeavesNothing) {
  Register("/nowhere/SWATCH.OCX");
  const fs::path file =
      WriteForm("Begin Form frmGone\n Begin Test.Recorder t\n End\n Begin Fixture.Swatch sw\n End\nEnd\n");
  try {
    app.LoadFormFile(file);
    FAIL() << "expected error 429";
  } catch (const com::Error& e) {
    EXPECT_EQ(e.number(), com::err::kCantCreateObject);
  }
  EXPECT_TRUE(app.Forms().empty());
  EXPECT_NE(Log().find("t.Terminate"), std::string::npos);
  fs::remove(file);
}

}  // namespace
}  // namespace kelvo::forms::test

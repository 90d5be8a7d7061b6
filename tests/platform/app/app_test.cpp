// The application API on the container's standard controls: typed values
// through Variant, every refusal with the message a developer sees, and
// handlers bound to events.
#include "platform/app/app.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/image.h"
#include "support/temp_dir.h"

namespace kelvo::app {
namespace {

class AppTest : public ::testing::Test {
 protected:
  const kelvo::testing::TempDir root_;
  const kelvo::testing::ScopedEnv env_{"KELVO_ROOT", root_.path().string()};
  App app{Mode::Script};
  Form form = app.Create(u"frm");
  Control txt = form.Add(u"TextBox", u"txt", {0, 0, 1500, 300});
};

// The error's number and the message it reads as.
template <class Body>
std::pair<std::int32_t, std::string> Refusal(Body body) {
  try {
    body();
  } catch (const Error& e) {
    return {e.number(), e.what()};
  }
  ADD_FAILURE() << "nothing was refused";
  return {};
}

TEST_F(AppTest, ValuesConvertByTheRuntimesRules) {
  txt.Set(u"Text", 42);
  EXPECT_EQ(txt.Get<std::u16string>(u"Text"), u"42");
  txt.Set(u"Text", u"  -12 ");
  EXPECT_EQ(txt.Get<std::int16_t>(u"Text"), -12);
  EXPECT_EQ(txt.Get<double>(u"Text"), -12.0);
  txt.Set(u"Enabled", false);
  EXPECT_FALSE(txt.Get<bool>(u"Enabled"));
  EXPECT_EQ(txt.Get<std::u16string>(u"Enabled"), u"False");
  // A system colour's high bit survives the trip through a Long.
  txt.Set(u"BackColor", Color{0x80000005u});
  EXPECT_EQ(txt.Get<Color>(u"BackColor"), Color{0x80000005u});
  const gfx::FontDesc font{.name = u"Kelvo Fixed", .size = 12, .bold = true};
  txt.Set(u"Font", font);
  EXPECT_EQ(txt.Get<gfx::FontDesc>(u"Font"), font);
  const Control image = form.Add(u"Image", u"img", {0, 400, 600, 600});
  const Picture picture = forms::CreatePictureObject(gfx::Image(2, 2));
  image.Set(u"Picture", picture);
  EXPECT_EQ(image.Get<Picture>(u"Picture").get(), picture.get());
}

TEST_F(AppTest, RefusalsNameTheControlTheMemberAndTheRuntimeError) {
  form.Add(u"Image", u"img", {0, 400, 600, 600}).Set(u"Picture", forms::CreatePictureObject(gfx::Image(2, 2)));
  txt.Set(u"Text", u"abc");
  EXPECT_EQ(Refusal([&] { txt.Get<std::int16_t>(u"Text"); }), std::pair(13, std::string("txt.Text: 13 Type mismatch")));
  txt.Set(u"Text", u"70000");
  EXPECT_EQ(Refusal([&] { txt.Get<std::int16_t>(u"Text"); }).first, 6);
  EXPECT_EQ(Refusal([&] { txt.Get<Picture>(u"Text"); }).first, 424);
  EXPECT_EQ(Refusal([&] { form(u"img").Get<gfx::FontDesc>(u"Picture"); }).first, 13);
  EXPECT_EQ(Refusal([&] { txt.Get<int>(u"Colour"); }),
            std::pair(438, std::string("txt.Colour: 438 Object doesn't support this property or method")));
  EXPECT_EQ(Refusal([&] { txt.Call(u"Frobnicate", 1); }).first, 438);
  EXPECT_EQ(Refusal([&] { form(u"txtNone"); }), std::pair(438, std::string("frm.txtNone: 438 No control txtNone")));
  form.Raw().AddControl(u"TextBox", u"arr", {0, 0, 900, 300}, nullptr, 0);
  EXPECT_EQ(form(u"arr", 0).RefName(), u"arr(0)");
  EXPECT_EQ(Refusal([&] { form(u"arr", 3); }),
            std::pair(340, std::string("frm.arr: 340 Control array element doesn't exist")));
}

TEST_F(AppTest, HandlersThatDoNotFitTheirEventAreRefusedWithItsSignature) {
  EXPECT_EQ(Refusal([&] { txt.On(u"KeyPress", [](std::int32_t&) {}); }),
            std::pair(13, std::string("txt.KeyPress: 13 Type mismatch: the handler takes KeyAscii as Long, the event "
                                      "passes Integer; the event is KeyPress(ByRef KeyAscii As Integer)")));
  EXPECT_EQ(Refusal([&] { txt.On(u"KeyDown", [](std::int16_t&) {}); }),
            std::pair(450, std::string("txt.KeyDown: 450 Wrong number of arguments or invalid property assignment: "
                                       "the handler takes 1 arguments, the event passes 2; the event is "
                                       "KeyDown(ByRef KeyCode As Integer, ByRef Shift As Integer)")));
  EXPECT_EQ(Refusal([&] { form.On(u"QueryUnload", [](std::int16_t&, std::int16_t&) {}); }),
            std::pair(13, std::string("frm.QueryUnload: 13 Type mismatch: the handler takes UnloadMode by reference, "
                                      "the event passes it by value; the event is QueryUnload(ByRef Cancel As "
                                      "Integer, ByVal UnloadMode As Integer)")));
  EXPECT_EQ(Refusal([&] { txt.On(u"Clack", [] {}); }).second, "txt.Clack: 438 No event Clack");
  EXPECT_EQ(Refusal([&] { app.On(u"frmLater", u"Lode", [] {}); }).first, 438);
  // A Variant takes any argument.
  txt.On(u"KeyPress", [](const com::Variant&) {});
}

TEST_F(AppTest, ByReferenceArgumentsGoBackToTheControl) {
  txt.On(u"KeyPress", [](std::int16_t& keyAscii) {
    if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii = static_cast<std::int16_t>(keyAscii - 'a' + 'A');
  });
  std::u16string focus;
  txt.On(u"GotFocus", [&] { focus += u"got "; });
  txt.Set(u"Text", u"");
  form.Show();
  txt.Focus();
  for (std::int16_t key : {'o', 'k', '!'}) txt.Raw().KeyPress(key);
  EXPECT_EQ(txt.Get<std::u16string>(u"Text"), u"OK!");
  EXPECT_EQ(focus, u"got ");
}

TEST_F(AppTest, QueryUnloadMayKeepTheFormAndAnUnloadedFormRefusesAccess) {
  std::int16_t mode = -1;
  std::int16_t keep = 1;
  form.On(u"QueryUnload", [&](std::int16_t& cancel, std::int16_t unloadMode) {
    cancel = keep;
    mode = unloadMode;
  });
  int unloads = 0;
  form.On(u"Unload", [&] { ++unloads; });
  form.Unload();
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(mode, 1);
  keep = 0;
  form.Unload();
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(unloads, 1);
  EXPECT_EQ(Refusal([&] { txt.Get<std::u16string>(u"Text"); }).second, "txt.Text: 364 Object was unloaded");
  EXPECT_EQ(Refusal([&] { form.Caption(); }).second, "frm: 364 Object was unloaded");
}

TEST_F(AppTest, FormsBoundByNameHearTheirLoadAndEndUnloadsWithoutEvents) {
  std::u16string heard;
  app.On(u"frmLater", u"Load", [&] { heard += u"load "; });
  app.On(u"frmLater", u"Unload", [&] { heard += u"unload "; });
  const Form later = app.Create(u"frmLater");
  EXPECT_EQ(heard, u"load ");
  app.End();
  EXPECT_FALSE(later.Loaded());
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(heard, u"load ");
}

}  // namespace
}  // namespace kelvo::app

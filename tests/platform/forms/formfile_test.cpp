// Form files: values, malformed files refused with their line, the round
// trip through the writer, and loading without leaving anything half-made.

#include <fstream>

#include "fixture.h"

#include "platform/com/error.h"
#include "platform/forms/formfile.h"
#include "platform/forms/stdobjects.h"
#include "platform/gfx/picture.h"
#include "support/temp_dir.h"

namespace kelvo::forms::test {
namespace {

namespace fs = std::filesystem;

class FormFiles : public FormsTest {
 protected:
  fs::path Write(const std::string& name, const std::string& text) {
    const fs::path p = dir / name;
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
    return p;
  }

  kelvo::testing::TempDir temp;
  const fs::path& dir = temp.path();
};

// The error a text is refused with.
FormFileError Refusal(const std::string& text) {
  try {
    ParseFormFile(text, "t.frm");
  } catch (const FormFileError& e) {
    return e;
  }
  ADD_FAILURE() << "accepted: " << text;
  return FormFileError("", 0, "");
}

bool SameValue(const com::Variant& a, const com::Variant& b) {
  const auto fa = AsFont(a), fb = AsFont(b);
  if (fa || fb) return fa && fb && fa->Desc() == fb->Desc();
  return a == b;
}

void ExpectSameBags(const OrderedBag& a, const OrderedBag& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a.Items()[i].first, b.Items()[i].first);
    EXPECT_TRUE(SameValue(a.Items()[i].second, b.Items()[i].second)) << text::ToUtf8(a.Items()[i].first);
  }
}

void ExpectSameControls(const std::vector<ControlDesc>& a, const std::vector<ControlDesc>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].progid, b[i].progid);
    EXPECT_EQ(a[i].name, b[i].name);
    ExpectSameBags(a[i].extender, b[i].extender);
    ExpectSameBags(a[i].properties, b[i].properties);
    ExpectSameControls(a[i].children, b[i].children);
  }
}

TEST_F(FormFiles, ValuesKeepTheirTypes) {
  const FormDesc d = ParseFormFile(
      "Begin Form frm\n"
      "   Caption = \"say \"\"hi\"\"\" & Chr$(13) & Chr$(10) & \"bye\"\n"
      "   ' a comment line\n"
      "   Begin Test.Recorder t\n"
      "      Small = -5\n"
      "      Big = 70000\n"
      "      Ratio = 8.25\n"
      "      BackColor = &H8000000F&   ' button face\n"
      "      Low = &HFF\n"
      "      BeginProperty Font\n"
      "         Name = \"Arial\"\n"
      "         Size = 11.25\n"
      "         Bold = -1\n"
      "      EndProperty\n"
      "   End\n"
      "End\n",
      "t.frm");
  EXPECT_EQ(d.name, u"frm");
  EXPECT_EQ(d.properties.Find(u"Caption")->ToString(), u"say \"hi\"\r\nbye");
  const OrderedBag& p = d.controls.at(0).properties;
  EXPECT_EQ(*p.Find(u"Small"), com::Variant::Integer(-5));
  EXPECT_EQ(*p.Find(u"Big"), com::Variant::Long(70000));
  EXPECT_EQ(*p.Find(u"Ratio"), com::Variant::Double(8.25));
  EXPECT_EQ(*p.Find(u"BackColor"), com::Variant::Long(static_cast<std::int32_t>(0x8000000Fu)));
  EXPECT_EQ(*p.Find(u"Low"), com::Variant::Long(255));
  const auto font = AsFont(*p.Find(u"Font"));
  ASSERT_TRUE(font);
  EXPECT_EQ(font->Desc().name, u"Arial");
  EXPECT_EQ(font->Desc().size, 11.25);
  EXPECT_TRUE(font->Desc().bold);
}

TEST_F(FormFiles, ExtenderKeysAreKeptApartFromTheControlsBag) {
  const FormDesc d = ParseFormFile(
      "Begin Form frm\n Begin Test.Recorder t\n  Left = 120\n  Value = 3\n  Index = 2\n  Tag = \"x\"\n End\nEnd\n",
      "t.frm");
  const ControlDesc& c = d.controls.at(0);
  EXPECT_EQ(c.extender.size(), 3u);
  EXPECT_EQ(c.properties.size(), 1u);
  EXPECT_TRUE(c.properties.Find(u"Value"));
}

TEST_F(FormFiles, MalformedTextIsRefusedWithItsLineAndWhatWasExpected) {
  const struct {
    std::string text;
    int line;
    std::string expected;
  } cases[] = {
      {"", 0, "the file is empty"},
      {"Begin Window w\nEnd\n", 1, "Form or MDIForm"},
      {"Begin Form f\n  Caption = \"open\nEnd\n", 2, "closing quote"},
      {"Begin Form f\n  Begin Label l\n  End\n", 3, "End of f (opened at line 1)"},
      {"Begin Form f\n  Left 5\nEnd\n", 2, "'='"},
      {"Begin Form f\n  Begin Label\n  End\nEnd\n", 2, "control name"},
      {"Begin Form f\nEnd\nExtra\n", 3, "end of the file"},
      {"Begin Form f\n Begin Label l\n  Index = -1\n End\nEnd\n", 3, "0 to 32767"},
      {"Begin Form f\n Begin Label l\n  BeginProperty Font\n   Name = 5\n  EndProperty\n End\nEnd\n", 4,
       "quoted string"},
      {"Begin Form f\n Caption = \"a\"\n Caption = \"b\"\nEnd\n", 3, "only once"},
      {"Begin Form f\n Begin Label l\n  BackColor = &H123456789&\n End\nEnd\n", 3, "one to eight"},
      {"Begin Form f\n Begin Label l\n  Big = 99999999999\n End\nEnd\n", 3, "32-bit range"},
      {"Begin Form f\n Begin Label l\n  Left = \"x\"\n End\nEnd\n", 3, "a number for Left"},
      {"Begin Form f\n ClientWidth = -1\nEnd\n", 2, "size from 0"},
      {"Begin Form f\n Begin Label l\n  Caption = True\n End\nEnd\n", 3, "expected a value"},
      {"Begin Form f\n Begin Label l\n  Caption = Chr$(70000)\n End\nEnd\n", 3, "character code"},
      {"Begin Form f\n Begin Label l\n  BeginProperty Font\n   Colour = 1\n  EndProperty\n End\nEnd\n", 4,
       "font property"},
  };
  for (const auto& c : cases) {
    const FormFileError e = Refusal(c.text);
    EXPECT_EQ(e.line(), c.line) << c.text;
    EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << e.what();
    const std::string place = c.line > 0 ? "t.frm:" + std::to_string(c.line) + ": " : "t.frm: ";
    EXPECT_EQ(std::string(e.what()).rfind(place, 0), 0u) << e.what();
  }
}

TEST_F(FormFiles, NestingDeeperThanTheLimitIsRefused) {
  std::string text = "Begin Form f\n";
  for (int i = 0; i < kMaxFormFileNesting; ++i) text += "Begin Frame f" + std::to_string(i) + "\n";
  const FormFileError e = Refusal(text);
  EXPECT_EQ(e.line(), kMaxFormFileNesting + 1);
  EXPECT_NE(std::string(e.what()).find("nested at most 32"), std::string::npos);
}

TEST_F(FormFiles, LoadSaveLoadGivesTheSameBags) {
  Form& f = NewForm(u"frmTrip", {.clientWidth = 4800, .clientHeight = 3600});
  Control& t = Add(f, kRecorder, u"t", {120, 240, 1500, 315});
  Rec(t).value = -7;
  Rec(t).text = u"quote \" and\r\nnew line";
  Control& frame = Add(f, u"Frame", u"fra", {60, 600, 3000, 2000});
  Control& lbl = f.AddControl(u"Label", u"lbl", {120, 240, 1200, 255}, &frame);
  std::vector<com::Variant> font{com::Variant::Object(CreateFontObject({u"Arial", 11.25, true}))};
  lbl.Extender()->Invoke(u"Font", com::InvokeKind::Set, font);
  Add(f, u"Shape", u"shp", {3200, 600, 900, 900}).SetVisible(false);
  f.AddControl(kButton, u"cmd", {0, 3000, 900, 300}, nullptr, 0).SetDefault(true);
  f.AddControl(kButton, u"cmd", {1000, 3000, 900, 300}, nullptr, 1).SetCancel(true);
  const fs::path first = dir / "one.frm";
  app.SaveFormFile(f, first);
  app.UnloadForm(f);

  Form& loaded = app.LoadFormFile(first);
  EXPECT_EQ(Rec(*loaded.Find(u"t")).text, u"quote \" and\r\nnew line");
  EXPECT_EQ(loaded.Find(u"lbl")->Container(), loaded.Find(u"fra"));
  EXPECT_FALSE(loaded.Find(u"shp")->Visible());
  EXPECT_TRUE(loaded.Find(u"cmd", 0)->Default());
  EXPECT_TRUE(loaded.Find(u"cmd", 1)->Cancel());
  const fs::path second = dir / "two.frm";
  app.SaveFormFile(loaded, second);
  const FormDesc a = ReadFormFile(first);
  const FormDesc b = ReadFormFile(second);
  ExpectSameBags(a.properties, b.properties);
  ExpectSameControls(a.controls, b.controls);
}

TEST_F(FormFiles, ColorMembersAreWrittenInHexadecimalOtherLongsInDecimal) {
  Form& f = NewForm(u"frmColors");
  Rec(Add(f, kRecorder, u"t")).value = 255;
  Add(f, u"Label", u"lbl");
  const fs::path file = dir / "colors.frm";
  app.SaveFormFile(f, file);
  std::ifstream in(file);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("Value = 255\n"), std::string::npos) << text;
  EXPECT_NE(text.find("BackColor = &H8000000F&\n"), std::string::npos) << text;
  const FormDesc d = ReadFormFile(file);
  EXPECT_EQ(*d.controls.at(1).properties.Find(u"BackColor"),
            com::Variant::Long(static_cast<std::int32_t>(0x8000000Fu)));
}

TEST_F(FormFiles, UnknownClassIsRefusedBeforeAnythingIsCreated) {
  const fs::path file = Write("bad.frm",
                              "Begin Form frmBad\n"
                              " Begin Test.Recorder a\n End\n"
                              " Begin Nowhere.Thing b\n End\n"
                              "End\n");
  try {
    app.LoadFormFile(file);
    FAIL() << "expected FormFileError";
  } catch (const FormFileError& e) {
    EXPECT_EQ(e.line(), 4);
    EXPECT_NE(std::string(e.what()).find("Nowhere.Thing"), std::string::npos);
  }
  EXPECT_EQ(Log(), "");
  EXPECT_TRUE(app.Forms().empty());
}

TEST_F(FormFiles, FailingControlUnloadsEverythingCreatedBefore) {
  const fs::path file = Write("half.frm",
                              "Begin Form frmHalf\n"
                              " Begin Test.Recorder a\n End\n"
                              " Begin Test.Recorder b\n  Value = 13\n End\n"
                              " Begin Test.Recorder c\n End\n"
                              "End\n");
  Hooks().onReadProperties = [](TestControl& t, IPropertyBag&) {
    if (t.value == 13) throw com::Error(com::err::kInvalidPropertyValue);
  };
  EXPECT_THROW(app.LoadFormFile(file), com::Error);
  EXPECT_EQ(Log(),
            "a.Initialize a.ReadProperties a.Show a.Resize a.Paint b.Initialize b.ReadProperties b.Terminate "
            "a.Terminate");
  EXPECT_TRUE(app.Forms().empty());
  EXPECT_EQ(app.CurrentForm(), nullptr);
}

TEST_F(FormFiles, DuplicateNamesAreRefusedWithTheLine) {
  const fs::path file = Write("dup.frm",
                              "Begin Form frmDup\n"
                              " Begin Test.Recorder a\n  Index = 0\n End\n"
                              " Begin Test.Recorder a\n  Index = 1\n End\n"
                              " Begin Test.Recorder A\n  Index = 1\n End\n"
                              "End\n");
  try {
    app.LoadFormFile(file);
    FAIL() << "expected FormFileError";
  } catch (const FormFileError& e) {
    EXPECT_EQ(e.line(), 8);
  }
}

TEST_F(FormFiles, LoadedFormIsCurrentActiveAndFocusesTheFirstTabStop) {
  const fs::path file = Write("tab.frm",
                              "Begin Form frmTab\n"
                              " Caption = \"Tabs\"\n"
                              " ClientWidth = 3000\n"
                              " ClientHeight = 2000\n"
                              " Extra = \"kept\"\n"
                              " Begin Test.Recorder a\n  TabIndex = 1\n End\n"
                              " Begin Test.Recorder b\n  TabIndex = 0\n End\n"
                              "End\n");
  Form& f = app.LoadFormFile(file);
  EXPECT_EQ(app.CurrentForm(), &f);
  EXPECT_EQ(Ws().Active(), f.Hwnd());
  EXPECT_EQ(f.Caption(), u"Tabs");
  EXPECT_EQ(f.ClientWidth(), 3000);
  EXPECT_EQ(f.ActiveControl(), f.Find(u"b"));
  EXPECT_EQ(f.Find(u"a")->TabIndex(), 1);
  EXPECT_EQ(f.ExtraProperties().Find(u"Extra")->ToString(), u"kept");
}

TEST_F(FormFiles, PicturesArePathsRelativeToTheFormFile) {
  fs::create_directories(dir / "pics");
  gfx::WritePng(gfx::Image(4, 3, 0xFF112233u), dir / "pics" / "p.png");
  const fs::path file = Write("sub/pic.frm",
                              "Begin Form frmPic\n"
                              " Begin Image img\n  Picture = \"../pics/p.png\"\n End\n"
                              "End\n");
  Form& f = app.LoadFormFile(file);
  Control& img = *f.Find(u"img");
  EXPECT_EQ(img.Rect().width, 4 * 15);
  EXPECT_EQ(img.Rect().height, 3 * 15);
  app.SaveFormFile(f, dir / "again.frm");
  const FormDesc d = ReadFormFile(dir / "again.frm");
  EXPECT_EQ(d.controls.at(0).properties.Find(u"Picture")->ToString(), u"pics/p.png");
}

TEST_F(FormFiles, MissingPictureFailsTheLoadWithError53) {
  const fs::path file = Write("nopic.frm", "Begin Form frmNoPic\n Begin Image img\n  Picture = \"gone.png\"\n End\nEnd\n");
  try {
    app.LoadFormFile(file);
    FAIL() << "expected error 53";
  } catch (const com::Error& e) {
    EXPECT_EQ(e.number(), com::err::kFileNotFound);
  }
  EXPECT_TRUE(app.Forms().empty());
}

}  // namespace
}  // namespace kelvo::forms::test

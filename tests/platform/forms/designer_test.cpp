// The property-page frame: a page builds its fields on the frame's form,
// reads the first selected control and writes it back on Apply.

#include "fixture.h"

#include "platform/com/error.h"
#include "platform/base/text.h"
#include "platform/forms/designer.h"
#include "platform/forms/stdobjects.h"
#include "platform/gfx/picture.h"
#include "support/temp_dir.h"

namespace kelvo::forms::test {
namespace {

// A page with one check box bound to the first selected control's Value.
class ValuePage final : public com::Object<IPropertyPage>, public EventListener {
 public:
  const com::CoClassInfo& ClassInfo() const override {
    static const com::CoClassInfo info = [] {
      com::CoClassInfo i;
      i.name = u"ppgValue";
      i.isPropertyPage = true;
      return i;
    }();
    return info;
  }
  std::u16string Caption() const override { return u"General"; }

  void Create(win::HWND parent, IPropertyPageSite* site) override {
    site_ = site;
    form_ = Application::Current()->FormOf(parent);
    check_ = &form_->AddControl(u"CheckBox", u"chkValue", {120, 120, 2000, 300});
    form_->SetHandler(this);
  }

  void SelectionChanged(std::span<const com::ComPtr<com::IDispatch>> selected) override {
    selected_.assign(selected.begin(), selected.end());
    std::vector<com::Variant> none;
    std::vector<com::Variant> value{
        com::Variant::Integer(selected_[0]->Invoke(u"Value", com::InvokeKind::Get, none).ToLong() != 0 ? 1 : 0)};
    check_->Extender()->Invoke(u"Value", com::InvokeKind::Let, value);
    site_->SetChanged(false);
  }

  void ApplyChanges() override {
    std::vector<com::Variant> none;
    std::vector<com::Variant> value{check_->Extender()->Invoke(u"Value", com::InvokeKind::Get, none)};
    selected_[0]->Invoke(u"Value", com::InvokeKind::Let, value);
  }

  com::ComPtr<com::IDispatch> Field(std::u16string_view name) override {
    Control* c = form_->Find(name);
    return c != nullptr ? c->Extender() : nullptr;
  }

  void OnEvent(Control&, std::u16string_view event, std::span<com::Variant>) override {
    if (event == u"Click") site_->SetChanged(true);
  }

 private:
  IPropertyPageSite* site_ = nullptr;
  Form* form_ = nullptr;
  Control* check_ = nullptr;
  std::vector<com::ComPtr<com::IDispatch>> selected_;
};

class Designer : public FormsTest {
 protected:
  void SetUp() override {
    RegisterPropertyPageClass(u"Test.ValuePage",
                              [] { return com::ComPtr<IPropertyPage>(com::MakeObject<ValuePage>()); });
  }
};

TEST_F(Designer, PageReadsTheFirstSelectedControlAndAppliesItsFields) {
  Form& f = NewForm(u"frm", {.design = true});
  Control& a = Add(f, kRecorder, u"a");
  Control& b = Add(f, kRecorder, u"b");
  Rec(a).value = 0;
  Rec(b).value = 5;
  f.Select(&a);
  f.AddToSelection(b);
  EXPECT_EQ(f.SelectedControls(), (std::vector<Control*>{&a, &b}));
  PropertyPageFrame frame(app, u"Test.ValuePage", f.SelectedControls());
  EXPECT_EQ(frame.Caption(), u"General");
  EXPECT_EQ(app.CurrentForm(), &f);
  const auto field = frame.Field(u"chkValue");
  std::vector<com::Variant> none;
  EXPECT_EQ(field->Invoke(u"Value", com::InvokeKind::Get, none).ToInteger(), 0);
  EXPECT_FALSE(frame.Changed());
  std::vector<com::Variant> one{com::Variant::Integer(1)};
  field->Invoke(u"Value", com::InvokeKind::Let, one);
  EXPECT_TRUE(frame.Changed());
  frame.Apply();
  EXPECT_FALSE(frame.Changed());
  EXPECT_EQ(Rec(a).value, 1);
  EXPECT_EQ(Rec(b).value, 5);
  EXPECT_THROW(frame.Field(u"missing"), com::Error);
}

TEST_F(Designer, ClosingThePageUnloadsItsForm) {
  Form& f = NewForm(u"frm", {.design = true});
  Control& a = Add(f, kRecorder, u"a");
  {
    PropertyPageFrame frame(app, u"Test.ValuePage", {&a});
    EXPECT_EQ(app.Forms().size(), 2u);
    EXPECT_EQ(frame.Area().Kind(), FormKind::Embedded);
  }
  EXPECT_EQ(app.Forms().size(), 1u);
}

TEST_F(Designer, UnknownPageIsRefused) {
  Form& f = NewForm();
  Control& a = Add(f, kRecorder, u"a");
  EXPECT_THROW(PropertyPageFrame(app, u"No.Page", {&a}), com::Error);
  EXPECT_EQ(app.Forms().size(), 1u);
}

}  // namespace
}  // namespace kelvo::forms::test

namespace kelvo::forms::test {
namespace {

class StandardPages : public FormsTest {
 protected:
  static com::Variant Get(const com::ComPtr<com::IDispatch>& d, std::u16string_view name) {
    std::vector<com::Variant> none;
    return d->Invoke(name, com::InvokeKind::Get, none);
  }
  static void Let(const com::ComPtr<com::IDispatch>& d, std::u16string_view name, com::Variant v) {
    std::vector<com::Variant> args{std::move(v)};
    d->Invoke(name, com::InvokeKind::Let, args);
  }

  Form& form = NewForm(u"frm", {.design = true});
};

TEST_F(StandardPages, FontPageAppliesTheStyleToEverySelectedControl) {
  Control& a = Add(form, u"Label", u"lblA");
  Control& b = Add(form, u"Label", u"lblB");
  PropertyPageFrame page(app, u"StandardFont", {&a, &b});
  EXPECT_EQ(page.Caption(), u"Font");
  EXPECT_EQ(Get(page.Field(u"cmbProperty"), u"Text").ToString(), u"Font");
  EXPECT_EQ(Get(page.Field(u"txtName"), u"Text").ToString(), u"MS Sans Serif");
  EXPECT_EQ(Get(page.Field(u"txtSize"), u"Text").ToString(), u"8.25");
  EXPECT_FALSE(page.Changed());
  Let(page.Field(u"chkBold"), u"Value", com::Variant::Integer(1));
  Let(page.Field(u"txtSize"), u"Text", com::Variant::String(u"12"));
  EXPECT_TRUE(page.Changed());
  page.Apply();
  for (Control* c : {&a, &b}) {
    const auto font = AsFont(Get(c->Extender(), u"Font"));
    ASSERT_TRUE(font);
    EXPECT_TRUE(font->Desc().bold);
    EXPECT_EQ(font->Desc().size, 12);
  }
}

TEST_F(StandardPages, ColorPageListsTheColourMembersAndWritesTheChosenOne) {
  Control& l = Add(form, u"Label", u"lbl");
  PropertyPageFrame page(app, u"StandardColor", {&l});
  const auto members = page.Field(u"cmbProperty");
  EXPECT_EQ(Get(members, u"ListCount").ToInteger(), 2);
  EXPECT_EQ(Get(page.Field(u"txtColor"), u"Text").ToString(), u"&H8000000F&");
  Let(members, u"ListIndex", com::Variant::Integer(1));
  EXPECT_EQ(Get(page.Field(u"txtColor"), u"Text").ToString(), u"&H80000012&");
  EXPECT_FALSE(page.Changed());
  Let(page.Field(u"txtColor"), u"Text", com::Variant::String(u"&HFF&"));
  page.Apply();
  EXPECT_EQ(Get(l.Extender(), u"ForeColor").ToLong(), 255);
  Let(page.Field(u"txtColor"), u"Text", com::Variant::String(u"blue"));
  EXPECT_THROW(page.Apply(), com::Error);
}

TEST_F(StandardPages, PicturePageOpensByClassIdAndLoadsTheFile) {
  const kelvo::testing::TempDir temp;
  const auto file = temp.path() / "page.png";
  gfx::WritePng(gfx::Image(6, 2), file);
  Control& img = Add(form, u"Image", u"img");
  PropertyPageFrame page(app, u"{510D35D2-E30E-460C-BAFE-13C0EA07599C}", {&img});
  EXPECT_EQ(page.Caption(), u"Picture");
  Let(page.Field(u"txtPath"), u"Text", com::Variant::String(text::FromUtf8(file.string())));
  page.Apply();
  const auto picture = AsPicture(Get(img.Extender(), u"Picture"));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Picture().width(), 6);
}

}  // namespace
}  // namespace kelvo::forms::test

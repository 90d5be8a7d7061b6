// A page laid out through the page site alone (PageBase): every kind of field,
// a frame holding a control array, what the page hears and its changed flag.

#include <string>
#include <vector>

#include "fixture.h"
#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/forms/designer.h"
#include "platform/forms/page_base.h"

namespace kelvo::forms::test {
namespace {

const com::CoClassInfo& SizePageInfo() {
  static const com::CoClassInfo info = [] {
    com::CoClassInfo i;
    i.name = u"ppgSize";
    i.isPropertyPage = true;
    return i;
  }();
  return info;
}

class SizePage final : public PageBase {
 public:
  SizePage() : PageBase(SizePageInfo(), u"General") {}

  void ApplyChanges() override {
    Assign(First(), u"Caption", com::Variant::String(Text(u"txtCaption") + (Check(u"chkFlat") ? u"!" : u"")));
  }
  void FieldClick(std::u16string_view name, std::optional<int> index) override {
    Hear(u"click ", name, index);
    PageBase::FieldClick(name, index);
  }
  void FieldChange(std::u16string_view name, std::optional<int> index) override {
    Hear(u"change ", name, index);
    PageBase::FieldChange(name, index);
  }

  std::vector<std::u16string> heard;

 protected:
  void Build() override {
    AddLabel(u"Label1", {120, 120, 1200, 255}, u"Caption");
    AddTextBox(u"txtCaption", {1440, 90, 2400, 315}, u"Text1", 4);
    AddCheckBox(u"chkFlat", {120, 540, 2400, 285}, u"Flat Button");
    AddDropDownList(u"cmbStyle", {120, 900, 2400, 315}, {u"Normal", u"UpperCase"});
    AddFrame(u"Frame3", {120, 1320, 3600, 700}, u" Picture Size ");
    AddOptionButton(u"optSize", 0, {120, 240, 1600, 285}, u"16x16 pixels", u"Frame3");
    AddOptionButton(u"optSize", 1, {1800, 240, 1600, 285}, u"32x32 pixels", u"Frame3");
    AddOptionButton(u"optOther", 0, {120, 2100, 1600, 285}, u"Elsewhere");
    PageField off{.kind = PageFieldKind::CheckBox, .name = u"chkOff", .rect = {120, 2500, 2400, 285}};
    off.enabled = false;
    AddField(off);
  }
  void Load() override {
    SetText(u"txtCaption", Property(First(), u"Caption").ToString());
    SetOptionValue(u"optSize(1)", true);
    SetChanged(false);
    heard.clear();
  }

 private:
  void Hear(std::u16string_view what, std::u16string_view name, std::optional<int> index) {
    std::u16string entry = std::u16string(what) + std::u16string(name);
    if (index) entry += u"(" + text::FromUtf8(std::to_string(*index)) + u")";
    heard.push_back(entry);
  }
};

class PageService : public FormsTest {
 protected:
  PageService() {
    RegisterPropertyPageClass(u"Test.SizePage", [] { return com::ComPtr<IPropertyPage>(com::MakeObject<SizePage>()); });
  }
  static com::Variant Get(const com::ComPtr<com::IDispatch>& d, std::u16string_view name) {
    return d->Invoke(name, com::InvokeKind::Get, {});
  }
  static void Let(const com::ComPtr<com::IDispatch>& d, std::u16string_view name, com::Variant v) {
    std::vector<com::Variant> args{std::move(v)};
    d->Invoke(name, com::InvokeKind::Let, args);
  }

  Form& form = NewForm(u"frm", {.design = true});
  Control& label = Add(form, u"Label", u"lblA");
};

TEST_F(PageService, LaysOutEveryKindOfFieldAsAsked) {
  Let(label.Extender(), u"Caption", com::Variant::String(u"ab"));
  PropertyPageFrame frame(app, u"Test.SizePage", {&label});
  EXPECT_EQ(Get(frame.Field(u"Label1"), u"Caption").ToString(), u"Caption");
  EXPECT_EQ(Get(frame.Field(u"txtCaption"), u"MaxLength").ToLong(), 4);
  EXPECT_EQ(Get(frame.Field(u"txtCaption"), u"Text").ToString(), u"ab");
  EXPECT_EQ(Get(frame.Field(u"chkFlat"), u"Caption").ToString(), u"Flat Button");
  EXPECT_EQ(Get(frame.Field(u"cmbStyle"), u"Style").ToInteger(), 2);
  EXPECT_EQ(Get(frame.Field(u"cmbStyle"), u"ListCount").ToInteger(), 2);
  EXPECT_EQ(Get(frame.Field(u"Frame3"), u"Caption").ToString(), u" Picture Size ");
  EXPECT_EQ(Get(frame.Field(u"optSize(1)"), u"Caption").ToString(), u"32x32 pixels");
  EXPECT_FALSE(Get(frame.Field(u"chkOff"), u"Enabled").ToBoolean());
  Control* inFrame = frame.Area().FindRef(u"optSize(0)");
  ASSERT_NE(inFrame, nullptr);
  EXPECT_EQ(inFrame->Container(), frame.Area().FindRef(u"Frame3"));
  EXPECT_THROW(frame.Field(u"optSize(2)"), com::Error);
}

TEST_F(PageService, FieldsNotifyThePageWhichMarksItselfChanged) {
  PropertyPageFrame frame(app, u"Test.SizePage", {&label});
  auto& page = static_cast<SizePage&>(frame.Page());
  EXPECT_TRUE(page.heard.empty());
  EXPECT_FALSE(frame.Changed());
  Let(frame.Field(u"optSize(0)"), u"Value", com::Variant::Boolean(true));
  EXPECT_FALSE(Get(frame.Field(u"optSize(1)"), u"Value").ToBoolean());
  Let(frame.Field(u"optOther(0)"), u"Value", com::Variant::Boolean(true));
  EXPECT_TRUE(Get(frame.Field(u"optSize(0)"), u"Value").ToBoolean());
  Let(frame.Field(u"txtCaption"), u"Text", com::Variant::String(u"new"));
  Let(frame.Field(u"chkFlat"), u"Value", com::Variant::Integer(1));
  Let(frame.Field(u"cmbStyle"), u"ListIndex", com::Variant::Integer(1));
  EXPECT_EQ(page.heard, (std::vector<std::u16string>{u"click optSize(0)", u"click optOther(0)", u"change txtCaption",
                                                     u"click chkFlat", u"click cmbStyle"}));
  EXPECT_TRUE(frame.Changed());
  frame.Apply();
  EXPECT_FALSE(frame.Changed());
  EXPECT_EQ(Get(label.Extender(), u"Caption").ToString(), u"new!");
}

}  // namespace
}  // namespace kelvo::forms::test

// The interactive standard controls: buttons, check and option boxes, the
// text box and the drop-down list, driven as the container drives them.

#include "fixture.h"

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/win/backend.h"

namespace kelvo::forms::test {
namespace {

struct EventLog : EventListener {
  std::string seen;
  void OnEvent(Control& c, std::u16string_view event, std::span<com::Variant> args) override {
    if (event == u"MouseMove") return;
    seen += (seen.empty() ? "" : " ") + text::ToUtf8(c.RefName()) + "." + text::ToUtf8(event) + "(";
    for (std::size_t i = 0; i < args.size(); ++i) seen += (i ? "," : "") + text::ToUtf8(args[i].ToString());
    seen += ")";
  }
  std::string Take() { return std::exchange(seen, {}); }
};

class Interactive : public FormsTest {
 protected:
  void SetUp() override {
    app.AddListener(&events);
  }
  void TearDown() override { app.RemoveListener(&events); }

  static com::Variant Get(Control& c, std::u16string_view name) {
    std::vector<com::Variant> none;
    return c.Extender()->Invoke(name, com::InvokeKind::Get, none);
  }
  static void Let(Control& c, std::u16string_view name, com::Variant v) {
    std::vector<com::Variant> args{std::move(v)};
    c.Extender()->Invoke(name, com::InvokeKind::Let, args);
  }
  static void Call(Control& c, std::u16string_view name, std::vector<com::Variant> args = {}) {
    c.Extender()->Invoke(name, com::InvokeKind::Method, args);
  }
  static void Type(Control& c, std::string_view keys) {
    for (const char k : keys) {
      std::int16_t ascii = static_cast<unsigned char>(k);
      c.KeyPress(ascii);
    }
  }
  static void Key(Control& c, std::int16_t code, std::int16_t shift = 0) {
    c.KeyDown(code, shift);
    c.KeyUp(code, shift);
  }

  EventLog events;
  Form& form = NewForm();
};

TEST_F(Interactive, CommandButtonClicksFromMouseSpaceAccessKeyAndValue) {
  Control& b = Add(form, u"CommandButton", u"cmdOk");
  Let(b, u"Caption", com::Variant::String(u"&OK"));
  EXPECT_EQ(b.AccessKeys(), u"O");
  events.Take();
  b.Click();
  Key(b, 32);
  b.AccessKeyPress(79);
  Let(b, u"Value", com::Variant::Boolean(true));
  EXPECT_EQ(events.Take(),
            "cmdOk.Click() cmdOk.KeyDown(32,0) cmdOk.KeyUp(32,0) cmdOk.Click() cmdOk.Click() cmdOk.Click()");
}

TEST_F(Interactive, CheckBoxTogglesAndEveryValueChangeRaisesClick) {
  Control& c = Add(form, u"CheckBox", u"chk");
  events.Take();
  c.Click();
  EXPECT_EQ(Get(c, u"Value").ToInteger(), 1);
  c.Click();
  EXPECT_EQ(Get(c, u"Value").ToInteger(), 0);
  Let(c, u"Value", com::Variant::Integer(2));
  Let(c, u"Value", com::Variant::Integer(2));
  c.AccessKeyPress(67);
  EXPECT_EQ(Get(c, u"Value").ToInteger(), 1);
  EXPECT_EQ(events.Take(), "chk.Click() chk.Click() chk.Click() chk.Click()");
  EXPECT_THROW(Let(c, u"Value", com::Variant::Integer(3)), com::Error);
}

TEST_F(Interactive, OptionButtonsClearTheOthersOfTheirContainerOnly) {
  Control& a = Add(form, u"OptionButton", u"optA");
  Control& b = Add(form, u"OptionButton", u"optB");
  Control& fra = Add(form, u"Frame", u"fra", {0, 600, 3000, 1500});
  Control& c = form.AddControl(u"OptionButton", u"optC", {100, 300, 1500, 300}, &fra);
  c.Click();
  a.Click();
  events.Take();
  b.Click();
  EXPECT_FALSE(Get(a, u"Value").ToBoolean());
  EXPECT_TRUE(Get(b, u"Value").ToBoolean());
  EXPECT_TRUE(Get(c, u"Value").ToBoolean());
  EXPECT_EQ(events.Take(), "optB.Click()");
  Let(a, u"Value", com::Variant::Boolean(true));
  EXPECT_FALSE(Get(b, u"Value").ToBoolean());
}

TEST_F(Interactive, TextBoxTypesReplacesAndDeletesWithChangeEvents) {
  Control& t = Add(form, u"TextBox", u"txt");
  Let(t, u"Text", com::Variant::String(u""));
  events.Take();
  Type(t, "abc");
  EXPECT_EQ(Get(t, u"Text").ToString(), u"abc");
  EXPECT_EQ(events.Take(),
            "txt.KeyPress(97) txt.Change() txt.KeyPress(98) txt.Change() txt.KeyPress(99) txt.Change()");
  Key(t, 37, 1);  // Shift+Left selects "c"
  EXPECT_EQ(Get(t, u"SelText").ToString(), u"c");
  Type(t, "Z");
  EXPECT_EQ(Get(t, u"Text").ToString(), u"abZ");
  Type(t, "\b\b");
  Key(t, 36);  // Home
  Key(t, 46);  // Delete
  EXPECT_EQ(Get(t, u"Text").ToString(), u"");
}

TEST_F(Interactive, TextBoxHonoursMaxLengthAndLocked) {
  Control& t = Add(form, u"TextBox", u"txt");
  Let(t, u"Text", com::Variant::String(u""));
  Let(t, u"MaxLength", com::Variant::Long(2));
  Ws().TakeBeepCount();
  Type(t, "xyz");
  EXPECT_EQ(Get(t, u"Text").ToString(), u"xy");
  EXPECT_EQ(Ws().TakeBeepCount(), 1);
  Let(t, u"Locked", com::Variant::Boolean(true));
  Type(t, "\b");
  EXPECT_EQ(Get(t, u"Text").ToString(), u"xy");
}

TEST_F(Interactive, TextBoxCopiesAndPastesThroughTheClipboard) {
  Control& t = Add(form, u"TextBox", u"txt");
  Let(t, u"Text", com::Variant::String(u"hello"));
  Let(t, u"SelStart", com::Variant::Long(1));
  Let(t, u"SelLength", com::Variant::Long(3));
  Type(t, "\x03");
  EXPECT_EQ(Ws().ClipboardText(), u"ell");
  Ws().SetClipboardText(u"EY\r\nignored");
  Type(t, "\x16");
  EXPECT_EQ(Get(t, u"Text").ToString(), u"hEYo");
  EXPECT_EQ(Get(t, u"SelStart").ToLong(), 3);
}

TEST_F(Interactive, FocusedTextBoxShowsItsCaretAfterTheText) {
  Control& t = Add(form, u"TextBox", u"txt", {0, 0, 1500, 300});
  Let(t, u"Text", com::Variant::String(u"ab"));
  t.Focus();
  Key(t, 35);  // End
  const win::CaretState caret = Ws().Caret();
  EXPECT_EQ(caret.window, t.Hwnd());
  EXPECT_TRUE(caret.Shown());
  EXPECT_EQ(caret.x, 3 + t.Surface().Face().Width(u"ab"));
  form.RemoveControl(t);
  EXPECT_EQ(Ws().Caret().window, 0u);
}

TEST_F(Interactive, ComboBoxSelectsByIndexKeysLettersAndItsDropDown) {
  Control& c = Add(form, u"ComboBox", u"cmb");
  Let(c, u"Style", com::Variant::Integer(2));
  for (const char16_t* item : {u"Normal", u"UpperCase", u"LowerCase", u"PadLeft"}) {
    Call(c, u"AddItem", {com::Variant::String(item)});
  }
  EXPECT_EQ(Get(c, u"ListCount").ToInteger(), 4);
  EXPECT_EQ(Get(c, u"ListIndex").ToInteger(), -1);
  events.Take();
  Let(c, u"ListIndex", com::Variant::Integer(1));
  EXPECT_EQ(Get(c, u"Text").ToString(), u"UpperCase");
  Key(c, 40);
  EXPECT_EQ(Get(c, u"ListIndex").ToInteger(), 2);
  Type(c, "p");
  EXPECT_EQ(Get(c, u"ListIndex").ToInteger(), 3);
  dynamic_cast<win::HeadlessBackend&>(Ws().backend()).QueueMenuAnswer(0);
  c.Click();
  EXPECT_EQ(Get(c, u"Text").ToString(), u"Normal");
  const auto menu = Ws().TakeLastMenu();
  ASSERT_TRUE(menu.has_value());
  EXPECT_EQ(menu->size(), 4u);
  EXPECT_TRUE(menu->at(3).checked);
  EXPECT_EQ(events.Take(),
            "cmb.Click() cmb.KeyDown(40,0) cmb.Click() cmb.KeyUp(40,0) cmb.KeyPress(112) cmb.Click() "
            "cmb.DropDown() cmb.Click()");
  EXPECT_THROW(Let(c, u"Text", com::Variant::String(u"Other")), com::Error);
  EXPECT_THROW(Let(c, u"ListIndex", com::Variant::Integer(4)), com::Error);
}

TEST_F(Interactive, ComboBoxListSurvivesTheFormFile) {
  Control& c = Add(form, u"ComboBox", u"cmb");
  Call(c, u"AddItem", {com::Variant::String(u"b")});
  Call(c, u"AddItem", {com::Variant::String(u"a"), com::Variant::Integer(0)});
  const OrderedBag bag = c.WriteProperties();
  Control& copy = form.ReadControl(u"ComboBox", u"copy", {}, bag);
  std::vector<com::Variant> index{com::Variant::Integer(1)};
  EXPECT_EQ(copy.Extender()->Invoke(u"List", com::InvokeKind::Get, index).ToString(), u"b");
  EXPECT_EQ(Get(copy, u"ListCount").ToInteger(), 2);
}

}  // namespace
}  // namespace kelvo::forms::test

// The order of notifications a control receives from its container.

#include "fixture.h"
#include "platform/com/error.h"

namespace kelvo::forms::test {
namespace {

using NotificationOrder = FormsTest;

TEST_F(NotificationOrder, NewInstanceIsInitializedThenShown) {
  Form& f = NewForm();
  Add(f, kRecorder, u"t");
  EXPECT_EQ(Log(), "t.Initialize t.InitProperties t.Show t.Resize t.Paint");
}

TEST_F(NotificationOrder, LoadedInstanceReadsExactlyTheGivenKeys) {
  Form& f = NewForm();
  std::vector<std::u16string> keys;
  Hooks().onReadProperties = [&keys](TestControl&, IPropertyBag& bag) {
    auto& ordered = dynamic_cast<OrderedBag&>(bag);
    for (const auto& [k, v] : ordered.Items()) keys.push_back(k);
  };
  Control& c = f.ReadControl(kRecorder, u"t", {0, 0, 1500, 300},
                             OrderedBag({{u"Value", com::Variant::Long(7)}, {u"Text", com::Variant::String(u"x")}}));
  EXPECT_EQ(Log(), "t.Initialize t.ReadProperties t.Show t.Resize t.Paint");
  EXPECT_EQ(keys, (std::vector<std::u16string>{u"Value", u"Text"}));
  EXPECT_EQ(Rec(c).value, 7);
  EXPECT_EQ(Rec(c).text, u"x");
}

TEST_F(NotificationOrder, InvisibleControlIsShownWhenMadeVisible) {
  Form& f = NewForm();
  Control& c = Add(f, kRecorder, u"t");
  Log();
  c.SetVisible(false);
  EXPECT_EQ(Log(), "t.Hide");
  EXPECT_FALSE(Ws().IsVisible(c.Hwnd()));
  c.SetVisible(true);
  EXPECT_EQ(Log(), "t.Show t.Paint");
  EXPECT_TRUE(Ws().IsVisible(c.Hwnd()));
}

TEST_F(NotificationOrder, RemovingTerminatesInnerControlsFirst) {
  Form& f = NewForm();
  Control& outer = Add(f, kRecorder, u"outer");
  f.AddControl(kRecorder, u"inner", {0, 0, 100, 100}, &outer);
  Log();
  f.RemoveControl(outer);
  EXPECT_EQ(Log(), "inner.Terminate outer.Terminate");
  EXPECT_EQ(f.Controls().size(), 0u);
  // Their names are free again, whatever their case.
  EXPECT_EQ(f.Find(u"INNER", std::nullopt), nullptr);
  Control& again = Add(f, kRecorder, u"Outer");
  EXPECT_EQ(f.Find(u"outer", std::nullopt), &again);
  EXPECT_THROW(Add(f, kRecorder, u"OUTER"), com::Error);
}

TEST_F(NotificationOrder, FocusMovesWithLostFocusThenGotFocus) {
  Form& f = NewForm();
  Control& a = Add(f, kRecorder, u"a");
  Control& b = Add(f, kRecorder, u"b");
  a.Focus();
  Log();
  b.Focus();
  EXPECT_EQ(Log(), "a.LostFocus b.GotFocus");
  EXPECT_EQ(f.ActiveControl(), &b);
}

TEST_F(NotificationOrder, UnloadingTheFormTerminatesEveryControl) {
  Form& f = NewForm();
  Add(f, kRecorder, u"a");
  Add(f, kRecorder, u"b");
  Log();
  app.UnloadForm(f);
  EXPECT_EQ(Log(), "b.Terminate a.Terminate");
  EXPECT_EQ(app.FindForm(u"frm"), nullptr);
}

TEST_F(NotificationOrder, DesignModeDeliversNoInputAndReportsUserModeFalse) {
  Form& f = NewForm(u"frm", {.design = true});
  Control& c = Add(f, kRecorder, u"t");
  EXPECT_FALSE(Rec(c).Site().AmbientUserMode());
  Log();
  std::int16_t code = 65, shift = 0;
  c.KeyDown(code, shift);
  c.Click();
  c.MouseDown(1, 0, 0, 0);
  EXPECT_EQ(Log(), "");
  EXPECT_THROW(c.Focus(), com::Error);
}

TEST_F(NotificationOrder, InvisibleAtRuntimeControlGetsShowButNoWindow) {
  Form& f = NewForm();
  Control& c = Add(f, kHidden, u"engine");
  EXPECT_EQ(Log(), "engine.Initialize engine.InitProperties engine.Show engine.Resize engine.Paint");
  EXPECT_FALSE(Ws().IsVisible(c.Hwnd()));
  EXPECT_FALSE(c.CanTakeFocus());
}

TEST_F(NotificationOrder, FailingReadPropertiesLeavesNoControl) {
  Form& f = NewForm();
  Hooks().onReadProperties = [](TestControl&, IPropertyBag&) { throw com::Error(com::err::kInvalidPropertyValue); };
  EXPECT_THROW(f.ReadControl(kRecorder, u"t", {0, 0, 100, 100}, OrderedBag()), com::Error);
  EXPECT_EQ(Log(), "t.Initialize t.ReadProperties t.Terminate");
  EXPECT_TRUE(f.Controls().empty());
  EXPECT_EQ(f.Find(u"t"), nullptr);
}

TEST_F(NotificationOrder, DuplicateNamesAreRefusedButArraysAreNot) {
  Form& f = NewForm();
  Add(f, kRecorder, u"t");
  EXPECT_THROW(Add(f, kRecorder, u"T"), com::Error);
  f.AddControl(kRecorder, u"arr", {}, nullptr, 0);
  f.AddControl(kRecorder, u"arr", {}, nullptr, 1);
  EXPECT_THROW(f.AddControl(kRecorder, u"arr", {}, nullptr, 1), com::Error);
  EXPECT_EQ(f.FindRef(u"arr(1)")->RefName(), u"arr(1)");
}

TEST_F(NotificationOrder, UnknownClassIsRefusedWithItsName) {
  Form& f = NewForm();
  try {
    Add(f, u"No.SuchClass", u"x");
    FAIL() << "expected error 429";
  } catch (const com::Error& e) {
    EXPECT_EQ(e.number(), com::err::kCantCreateObject);
    EXPECT_NE(e.description().find(u"No.SuchClass"), std::u16string::npos);
  }
  EXPECT_TRUE(f.Controls().empty());
}

}  // namespace
}  // namespace kelvo::forms::test

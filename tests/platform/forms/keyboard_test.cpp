// The container's keyboard handling for real input: Tab order, access keys,
// and Enter and Escape for the Default and Cancel controls.

#include "fixture.h"

namespace kelvo::forms::test {
namespace {

constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kShift = 1;

class Keyboard : public FormsTest {
 protected:
  void Press(int vk, int shift = 0) {
    Ws().KeyDown(vk, shift);
    Ws().Char(vk);
    Ws().KeyUp(vk, shift);
  }
  void AccessKey(char letter) { Ws().Send(form->Hwnd(), {.type = win::Msg::AccessKey, .a = letter}); }
  Control* Focused() { return form->FromHwnd(Ws().Focus()); }

  Form* form = &NewForm();
};

TEST_F(Keyboard, TabSkipsControlsThatCannotTakeTheFocus) {
  Control& a = Add(*form, kRecorder, u"a");
  Control& noStop = Add(*form, kRecorder, u"noStop");
  Control& hidden = Add(*form, kRecorder, u"hidden");
  Control& disabled = Add(*form, kRecorder, u"disabled");
  Add(*form, kLabel, u"lbl");
  Control& d = Add(*form, kRecorder, u"d");
  noStop.SetTabStop(false);
  hidden.SetVisible(false);
  Ws().Enable(disabled.Hwnd(), false);
  a.Focus();
  Log();
  Press(kTab);
  EXPECT_EQ(Focused(), &d);
  // The container takes Tab: neither control sees its KeyDown or KeyPress.
  EXPECT_EQ(Log(), "a.LostFocus d.GotFocus d.KeyUp(9,0)");
  Press(kTab);
  EXPECT_EQ(Focused(), &a);
  Press(kTab, kShift);
  EXPECT_EQ(Focused(), &d);
}

TEST_F(Keyboard, TabIndexReordersAndRenumbers) {
  Control& a = Add(*form, kRecorder, u"a");
  Control& b = Add(*form, kRecorder, u"b");
  Control& c = Add(*form, kRecorder, u"c");
  EXPECT_EQ(c.TabIndex(), 2);
  c.SetTabIndex(0);
  EXPECT_EQ(c.TabIndex(), 0);
  EXPECT_EQ(a.TabIndex(), 1);
  EXPECT_EQ(b.TabIndex(), 2);
  a.Focus();
  Press(kTab);
  EXPECT_EQ(Focused(), &b);
  Press(kTab);
  EXPECT_EQ(Focused(), &c);
}

TEST_F(Keyboard, TabWithNoControlFocusedStartsAtTheFirst) {
  Add(*form, kLabel, u"lbl");
  Control& a = Add(*form, kRecorder, u"a");
  Add(*form, kRecorder, u"b");
  Ws().SetFocus(form->Hwnd());
  Ws().KeyDown(kTab, 0);
  EXPECT_EQ(Focused(), &a);
}

TEST_F(Keyboard, AccessKeyFocusesTheControlAndDeliversAccessKeyPress) {
  Add(*form, kRecorder, u"a");
  Control& b = Add(*form, kRecorder, u"b");
  Rec(b).Site().SetAccessKeys(u"r");
  Log();
  AccessKey('R');
  EXPECT_EQ(Focused(), &b);
  EXPECT_EQ(Log(), "b.GotFocus b.AccessKeyPress(82)");
}

TEST_F(Keyboard, LabelAccessKeyHandsTheFocusToTheNextControl) {
  Add(*form, kRecorder, u"a");
  Control& lbl = Add(*form, kLabel, u"lbl");
  Control& b = Add(*form, kRecorder, u"b");
  Rec(lbl).Site().SetAccessKeys(u"N");
  Log();
  AccessKey('N');
  EXPECT_EQ(Focused(), &b);
  EXPECT_EQ(Log(), "b.GotFocus lbl.AccessKeyPress(78)");
}

TEST_F(Keyboard, EnterAndEscapeGoToTheDefaultAndCancelButtons) {
  Control& text = Add(*form, kRecorder, u"text");
  Control& ok = Add(*form, kButton, u"ok");
  Control& cancel = Add(*form, kButton, u"cancel");
  ok.SetDefault(true);
  cancel.SetCancel(true);
  text.Focus();
  Log();
  Press(kEnter);
  EXPECT_EQ(Log(), "ok.AccessKeyPress(13) text.KeyUp(13,0)");
  Press(kEscape);
  EXPECT_EQ(Log(), "cancel.AccessKeyPress(27) text.KeyUp(27,0)");
  EXPECT_EQ(Focused(), &text);
}

TEST_F(Keyboard, FocusedButtonTakesEnterItselfAndDisplaysAsDefault) {
  Control& text = Add(*form, kRecorder, u"text");
  Control& ok = Add(*form, kButton, u"ok");
  Control& other = Add(*form, kButton, u"other");
  ok.SetDefault(true);
  text.Focus();
  EXPECT_TRUE(Rec(ok).Site().AmbientDisplayAsDefault());
  Log();
  other.Focus();
  EXPECT_FALSE(Rec(ok).Site().AmbientDisplayAsDefault());
  EXPECT_TRUE(Rec(other).Site().AmbientDisplayAsDefault());
  EXPECT_EQ(Log(),
            "text.LostFocus ok.AmbientChanged(DisplayAsDefault) other.AmbientChanged(DisplayAsDefault) "
            "other.GotFocus");
  Press(kEnter);
  EXPECT_EQ(Log(), "other.KeyDown(13,0) other.KeyPress(13) other.KeyUp(13,0)");
}

TEST_F(Keyboard, OnlyOneDefaultAndOneCancel) {
  Control& a = Add(*form, kButton, u"a");
  Control& b = Add(*form, kButton, u"b");
  a.SetDefault(true);
  b.SetDefault(true);
  EXPECT_FALSE(a.Default());
  EXPECT_TRUE(b.Default());
  a.SetCancel(true);
  b.SetCancel(true);
  EXPECT_FALSE(a.Cancel());
}

TEST_F(Keyboard, EnterWithoutDefaultButtonReachesTheFocusedControl) {
  Control& text = Add(*form, kRecorder, u"text");
  text.Focus();
  Log();
  Press(kEnter);
  EXPECT_EQ(Log(), "text.KeyDown(13,0) text.KeyPress(13) text.KeyUp(13,0)");
}

}  // namespace
}  // namespace kelvo::forms::test

namespace kelvo::forms::test {
namespace {

using Activation = FormsTest;

TEST_F(Activation, ReactivatedFormGivesTheFocusBackToItsActiveControl) {
  Form& one = NewForm(u"one");
  Control& a = Add(one, kRecorder, u"a");
  Form& two = NewForm(u"two");
  Control& b = Add(two, kRecorder, u"b");
  a.Focus();
  b.Focus();
  Log();
  one.Activate();
  EXPECT_EQ(Log(), "b.LostFocus a.GotFocus");
  EXPECT_EQ(two.ActiveControl(), &b);
}

TEST_F(Activation, AnotherApplicationLeavesTheFocusWhereItWas) {
  Form& f = NewForm();
  Control& a = Add(f, kRecorder, u"a");
  a.Focus();
  Log();
  app.Activate(nullptr);
  EXPECT_EQ(Ws().Active(), 0u);
  f.Activate();
  EXPECT_EQ(Log(), "");
  EXPECT_EQ(Ws().Focus(), a.Hwnd());
}

TEST_F(Activation, MdiFrameHandsAccessKeysToTheChildWithTheFocus) {
  Form& frame = NewForm(u"mdi", {.kind = FormKind::MDIFrame});
  Form& child = NewForm(u"child", {.kind = FormKind::MDIChild, .mdiFrame = &frame});
  Control& a = Add(child, kRecorder, u"a");
  Control& b = Add(child, kRecorder, u"b");
  Rec(b).Site().SetAccessKeys(u"X");
  a.Focus();
  Log();
  Ws().Send(frame.Hwnd(), {.type = win::Msg::AccessKey, .a = 'X'});
  EXPECT_EQ(Log(), "a.LostFocus b.GotFocus b.AccessKeyPress(88)");
}

}  // namespace
}  // namespace kelvo::forms::test

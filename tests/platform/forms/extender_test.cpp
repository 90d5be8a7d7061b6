// The extender and the form's dispatch object as form code sees them.

#include "fixture.h"

#include "platform/com/error.h"

namespace kelvo::forms::test {
namespace {

com::Variant Get(const com::ComPtr<com::IDispatch>& d, std::u16string_view name, std::vector<com::Variant> args = {}) {
  return d->Invoke(name, com::InvokeKind::Get, args);
}

void Let(const com::ComPtr<com::IDispatch>& d, std::u16string_view name, com::Variant v) {
  std::vector<com::Variant> args{std::move(v)};
  d->Invoke(name, com::InvokeKind::Let, args);
}

int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const com::Error& e) {
    return e.number();
  }
  return 0;
}

using Extender = FormsTest;

TEST_F(Extender, AnswersTheFormsPropertiesThenForwardsToTheControl) {
  Form& f = NewForm();
  Control& t = Add(f, kRecorder, u"t", {120, 240, 1500, 300});
  const auto ext = t.Extender();
  EXPECT_EQ(Get(ext, u"Name").ToString(), u"t");
  EXPECT_EQ(Get(ext, u"left").ToDouble(), 120);
  EXPECT_EQ(Get(ext, u"Height").ToDouble(), 300);
  Let(ext, u"Tag", com::Variant::String(u"note"));
  Let(ext, u"ToolTipText", com::Variant::String(u"tip"));
  EXPECT_EQ(t.Tag(), u"note");
  EXPECT_EQ(t.ToolTipText(), u"tip");
  Let(ext, u"Value", com::Variant::Long(12));
  EXPECT_EQ(Rec(t).value, 12);
  EXPECT_EQ(ErrorOf([&] { Get(ext, u"Nothing"); }), com::err::kNoSuchMember);
  EXPECT_EQ(ErrorOf([&] { Get(ext, u"Index"); }), 343);
  EXPECT_EQ(ErrorOf([&] { Let(ext, u"Name", com::Variant::String(u"x")); }), com::err::kReadOnlyProperty);
  EXPECT_EQ(ErrorOf([&] { Let(ext, u"Width", com::Variant::Long(-5)); }), com::err::kInvalidPropertyValue);
}

TEST_F(Extender, ParentAndContainerReachTheFormAndTheFrame) {
  Form& f = NewForm(u"frmMain");
  Control& outer = Add(f, kRecorder, u"outer");
  Control& inner = f.AddControl(kRecorder, u"inner", {0, 0, 100, 100}, &outer);
  EXPECT_EQ(Get(Get(inner.Extender(), u"Parent").ToObject(), u"Name").ToString(), u"frmMain");
  EXPECT_EQ(Get(Get(inner.Extender(), u"Container").ToObject(), u"Name").ToString(), u"outer");
  EXPECT_EQ(Ws().Parent(inner.Hwnd()), outer.Hwnd());
}

TEST_F(Extender, FormDispatchListsControlsInCreationOrder) {
  Form& f = NewForm(u"frmMain");
  Add(f, kRecorder, u"a");
  f.AddControl(kRecorder, u"arr", {}, nullptr, 1);
  Control& b = Add(f, kRecorder, u"b");
  const auto form = f.Dispatch();
  const auto controls = Get(form, u"Controls").ToObject();
  EXPECT_EQ(Get(controls, u"Count").ToLong(), 3);
  EXPECT_EQ(Get(Get(controls, u"Item", {com::Variant::Integer(2)}).ToObject(), u"Name").ToString(), u"b");
  EXPECT_EQ(ErrorOf([&] { Get(controls, u"Item", {com::Variant::Integer(3)}); }), com::err::kSubscript);
  EXPECT_FALSE(Get(form, u"ActiveControl").ToObject());
  b.Focus();
  EXPECT_EQ(app.ControlOf(Get(form, u"ActiveControl").ToObject().get()), &b);
  EXPECT_EQ(Get(form, u"hwnd").ToLong(), static_cast<std::int32_t>(f.Hwnd()));
  EXPECT_FALSE(Get(form, u"MDIChild").ToBoolean());
  EXPECT_EQ(Get(Get(form, u"arr", {com::Variant::Integer(1)}).ToObject(), u"Index").ToInteger(), 1);
  EXPECT_EQ(ErrorOf([&] { Get(form, u"arr", {com::Variant::Integer(7)}); }), 340);
}

TEST_F(Extender, UnloadedFormAnswers364) {
  Form& f = NewForm();
  const auto form = f.Dispatch();
  const auto controls = Get(form, u"Controls").ToObject();
  app.UnloadForm(f);
  EXPECT_EQ(ErrorOf([&] { Get(form, u"Caption"); }), 364);
  EXPECT_EQ(ErrorOf([&] { Get(controls, u"Count"); }), 364);
}

TEST_F(Extender, MdiChildReportsItsFrameAsTheActiveWindow) {
  Form& frame = NewForm(u"mdi", {.kind = FormKind::MDIFrame});
  Form& child = NewForm(u"child", {.kind = FormKind::MDIChild, .mdiFrame = &frame});
  Control& t = Add(child, kRecorder, u"t");
  t.Focus();
  EXPECT_EQ(Ws().Active(), frame.Hwnd());
  EXPECT_TRUE(Get(child.Dispatch(), u"MDIChild").ToBoolean());
  EXPECT_TRUE(Rec(t).Site().AmbientUserMode());
  EXPECT_FALSE(Rec(t).Site().ParentIsMDIFrame());
  app.UnloadForm(frame);
  EXPECT_EQ(app.FindForm(u"child"), nullptr);
}

}  // namespace
}  // namespace kelvo::forms::test

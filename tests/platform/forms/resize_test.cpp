// SetSize from a control: the nested Resize, sizes in twips and pixels, the
// recursion guard, and aligned controls.

#include "fixture.h"

#include "platform/com/error.h"
#include "platform/forms/control_site.h"

namespace kelvo::forms::test {
namespace {

std::vector<com::Variant> One(com::Variant v) { return {std::move(v)}; }

using Resizing = FormsTest;

TEST_F(Resizing, SetSizeMovesTheWindowAndDeliversResizeBeforeReturning) {
  Form& f = NewForm();
  Control& t = Add(f, kRecorder, u"t", {150, 300, 1500, 300});
  Log();
  bool resizedInside = false;
  Hooks().onResize = [&resizedInside](TestControl&) { resizedInside = true; };
  Rec(t).Site().SetSize(390, 615);
  EXPECT_TRUE(resizedInside);
  EXPECT_EQ(Log(), "t.Resize");
  EXPECT_EQ(Rec(t).Site().Height(), 615);
  const win::RECT r = Ws().ClientRect(t.Hwnd());
  EXPECT_EQ(r, (win::RECT{10, 20, 36, 61}));  // twips / 15, nearest
  EXPECT_EQ(t.Surface().widthPx(), 26);
}

TEST_F(Resizing, SameSizeDeliversNoResize) {
  Form& f = NewForm();
  Control& t = Add(f, kRecorder, u"t", {0, 0, 1500, 300});
  Log();
  Rec(t).Site().SetSize(1500, 300);
  EXPECT_EQ(Log(), "");
}

TEST_F(Resizing, ControlFixingItsOwnSizeInResizeSettlesAfterOneNestedResize) {
  Form& f = NewForm();
  Control& t = Add(f, kRecorder, u"t", {0, 0, 1500, 300});
  Hooks().onResize = [](TestControl& c) { c.Site().SetSize(30, c.Site().Height()); };
  Log();
  Rec(t).Site().SetSize(600, 600);
  EXPECT_EQ(Log(), "t.Resize t.Resize");
  EXPECT_EQ(t.Rect().width, 30);
}

TEST_F(Resizing, PingPongInsideResizeStopsAtTheNestingLimit) {
  Form& f = NewForm();
  Control& t = Add(f, kRecorder, u"t", {0, 0, 1500, 300});
  Rec(t).resizeCount = 0;
  Hooks().onResize = [](TestControl& c) { c.Site().SetSize(c.Site().Width() == 100 ? 200 : 100, 100); };
  Rec(t).Site().SetSize(100, 100);
  EXPECT_EQ(Rec(t).resizeCount, kMaxNestedResize);
  // The size asked for last is stored even though its Resize was not delivered.
  EXPECT_EQ(t.Rect().height, 100);
}

TEST_F(Resizing, ExtenderSizeChangeDeliversResize) {
  Form& f = NewForm();
  Control& t = Add(f, kRecorder, u"t");
  Log();
  auto w = One(com::Variant::Long(3000));
  t.Extender()->Invoke(u"Width", com::InvokeKind::Let, w);
  EXPECT_EQ(Log(), "t.Resize");
  auto left = One(com::Variant::Long(45));
  t.Extender()->Invoke(u"Left", com::InvokeKind::Let, left);
  EXPECT_EQ(Log(), "");
  EXPECT_EQ(Ws().ClientRect(t.Hwnd()).left, 3);
}

using Alignment = FormsTest;

TEST_F(Alignment, TopTakesTheFullWidthAndFollowsTheForm) {
  Form& f = NewForm(u"frm", {.clientWidth = 6000, .clientHeight = 4000});
  Control& bar = Add(f, kBar, u"bar", {300, 900, 1000, 390});
  auto top = One(com::Variant::Integer(1));
  bar.Extender()->Invoke(u"Align", com::InvokeKind::Let, top);
  EXPECT_EQ(bar.Rect().left, 0);
  EXPECT_EQ(bar.Rect().top, 0);
  EXPECT_EQ(bar.Rect().width, 6000);
  EXPECT_EQ(bar.Rect().height, 390);
  f.SetClientSize(9000, 4000);
  EXPECT_EQ(bar.Rect().width, 9000);
  EXPECT_EQ(Ws().ClientRect(bar.Hwnd()).Width(), 600);
}

TEST_F(Alignment, AlignedControlRefusesAnotherWidthButTakesItsHeight) {
  Form& f = NewForm(u"frm", {.clientWidth = 6000, .clientHeight = 4000});
  Control& bar = Add(f, kBar, u"bar");
  bar.SetAlignment(Align::Top);
  Rec(bar).Site().SetSize(30, 615);
  EXPECT_EQ(bar.Rect().width, 6000);
  EXPECT_EQ(bar.Rect().height, 615);
}

TEST_F(Alignment, EdgesStackInCreationOrder) {
  Form& f = NewForm(u"frm", {.clientWidth = 6000, .clientHeight = 4000});
  Control& top = Add(f, kBar, u"top", {0, 0, 100, 300});
  Control& bottom = Add(f, kBar, u"bottom", {0, 0, 100, 450});
  Control& left = Add(f, kBar, u"left", {0, 0, 600, 100});
  Control& right = Add(f, kBar, u"right", {0, 0, 900, 100});
  top.SetAlignment(Align::Top);
  bottom.SetAlignment(Align::Bottom);
  left.SetAlignment(Align::Left);
  right.SetAlignment(Align::Right);
  EXPECT_EQ(bottom.Rect().top, 3550);
  EXPECT_EQ(left.Rect().top, 300);
  EXPECT_EQ(left.Rect().height, 3250);
  EXPECT_EQ(right.Rect().left, 5100);
  EXPECT_EQ(right.Rect().width, 900);
  f.SetClientSize(6000, 5000);
  EXPECT_EQ(bottom.Rect().top, 4550);
  EXPECT_EQ(left.Rect().height, 4250);
}

TEST_F(Alignment, OnlyAlignableControlsHaveAlign) {
  Form& f = NewForm();
  Control& t = Add(f, kRecorder, u"t");
  auto top = One(com::Variant::Integer(1));
  try {
    t.Extender()->Invoke(u"Align", com::InvokeKind::Let, top);
    FAIL() << "expected error 438";
  } catch (const com::Error& e) {
    EXPECT_EQ(e.number(), com::err::kNoSuchMember);
  }
}

TEST_F(Alignment, NewControlAligningItselfInInitPropertiesIsPlacedBeforeItIsShown) {
  Form& f = NewForm(u"frm", {.clientWidth = 6000, .clientHeight = 4000});
  Hooks().onInitProperties = [](TestControl& c) {
    auto top = One(com::Variant::Integer(1));
    c.Site().Extender()->Invoke(u"Align", com::InvokeKind::Let, top);
  };
  Control& bar = Add(f, kBar, u"bar", {500, 500, 1000, 390});
  EXPECT_EQ(Log(), "bar.Initialize bar.InitProperties bar.Show bar.Resize bar.Paint");
  EXPECT_EQ(bar.Rect().width, 6000);
  EXPECT_EQ(bar.Rect().top, 0);
}

}  // namespace
}  // namespace kelvo::forms::test

// The focus engine on a real form: its sweep order and error trap, disabled
// controls, design time, its size, and the edits' reaction to the form's
// activation, MDI included.
#include "control_fixture.h"

namespace kelvo::klvctl32 {
namespace {

// The names of the controls CheckKelvoControls reported, in order.
class SweepLog final : public forms::EventListener {
 public:
  explicit SweepLog(forms::Application& app) : app_(app) {}
  void OnEvent(forms::Control&, std::u16string_view event, std::span<com::Variant> args) override {
    if (event != u"CheckKelvoControls") return;
    forms::Control* c = app_.ControlOf(args[0].ToObject().get());
    names += (names.empty() ? "" : " ") + (c != nullptr ? text::ToUtf8(c->Name()) : std::string("?"));
  }
  std::string names;

 private:
  forms::Application& app_;
};

class FocusEngine : public testing::TextEditTest {
 protected:
  FocusEngine() { app.AddListener(&sweep); }
  ~FocusEngine() override { app.RemoveListener(&sweep); }
  forms::Control& AddEngine(forms::Form& f) { return f.AddControl(u"KLVCTL32.KelvoEnginer", u"eng", {0, 0, 100, 100}); }
  static void Tick() { Ws().AdvanceClock(KelvoEnginer::kTickMs); }
  std::string TakeSweep() { return std::exchange(sweep.names, {}); }

  SweepLog sweep{app};
};

TEST_F(FocusEngine, SweepStopsAtTheFirstControlWithoutTheProtocol) {
  forms::Form& f = NewForm();
  AddEdit(f, u"a");
  AddEdit(f, u"b");
  AddEngine(f);
  AddEdit(f, u"c");
  Tick();
  EXPECT_EQ(TakeSweep(), "a b");
  Tick();
  EXPECT_EQ(TakeSweep(), "a b");
}

TEST_F(FocusEngine, DisabledControlIsNeitherVisitedNorReported) {
  forms::Form& f = NewForm();
  AddEdit(f, u"a");
  forms::Control& b = AddEdit(f, u"b");
  AddEdit(f, u"c");
  AddEngine(f);
  Let(b, u"Enabled", com::Variant::Boolean(false));
  Tick();
  EXPECT_EQ(TakeSweep(), "a c");
}

TEST_F(FocusEngine, TimerRunsOnlyAtRunTime) {
  forms::Form& design = NewForm(u"fd", {.design = true});
  forms::Control& idle = AddEngine(design);
  EXPECT_FALSE(static_cast<KelvoEnginer&>(*idle.Instance()).TimerEnabled());
  forms::Form& run = NewForm(u"fr");
  forms::Control& running = AddEngine(run);
  EXPECT_TRUE(static_cast<KelvoEnginer&>(*running.Instance()).TimerEnabled());
}

TEST_F(FocusEngine, SizeIsThePictureAndFourPixels) {
  forms::Form& f = NewForm(u"fd", {.design = true});
  forms::Control& e = AddEngine(f);
  EXPECT_EQ(e.Surface().widthPx(), 51);
  EXPECT_EQ(e.Surface().heightPx(), 41);
  EXPECT_EQ(e.Surface().PixelAt(0, 0), (gfx::Rgb{255, 255, 255}));
}

TEST_F(FocusEngine, DeactivationDropsTheFocusAndReactivationCallsXFocus) {
  forms::Form& f = NewForm();
  forms::Control& a = AddEdit(f, u"a");
  AddEngine(f);
  a.Focus();
  ASSERT_TRUE(Ws().Caret().Shown());
  Ws().Activate(0);
  Tick();
  EXPECT_FALSE(Edit(a).Watch().WindowActive);
  EXPECT_FALSE(Edit(a).HasFocus());
  EXPECT_FALSE(Ws().Caret().Shown());
  f.Activate();
  Tick();
  EXPECT_TRUE(Edit(a).Watch().WindowActive);
  EXPECT_TRUE(Edit(a).HasFocus());
  EXPECT_TRUE(Ws().Caret().Shown());
}

TEST_F(FocusEngine, MdiChildWatchesTheFrameWindow) {
  forms::Form& frame = NewForm(u"mdi", {.kind = forms::FormKind::MDIFrame});
  forms::Form& child = NewForm(u"kid", {.kind = forms::FormKind::MDIChild, .mdiFrame = &frame});
  forms::Control& a = AddEdit(child, u"a");
  AddEngine(child);
  a.Focus();
  EXPECT_EQ(Edit(a).Watch().FormWindow, frame.Hwnd());
  Ws().Activate(0);
  Tick();
  EXPECT_FALSE(Edit(a).Watch().WindowActive);
  frame.Activate();
  Tick();
  EXPECT_TRUE(Edit(a).Watch().WindowActive);
  EXPECT_TRUE(Edit(a).HasFocus());
}

}  // namespace
}  // namespace kelvo::klvctl32

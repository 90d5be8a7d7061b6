// The shared tip window: size from the text's measures, 19 pixels below the
// pointer, TipEnabled, and no tip while a button raises Click (the screen's
// edges: hover_tips.kcs).
#include "klvctl32/buttons/tip_window.h"

#include "button_fixture.h"

namespace kelvo::klvctl32 {
namespace {

win::RECT TipRect() {
  win::WindowSystem& ws = win::WindowSystem::Get();
  for (const win::HWND hwnd : ws.TopLevelWindows())
    if (ws.Kind(hwnd) == win::WindowKind::Tool && ws.IsVisible(hwnd)) return ws.ScreenRect(hwnd);
  return {};
}

class TipWindow : public testing::ButtonTest {
 protected:
  ~TipWindow() override { frmTip().HideTip(); }
};

TEST_F(TipWindow, OneLineHighTextWidePlusFourPixelsBelowThePointer) {
  Ws().SetCursorPos({100, 50});
  frmTip().ShowTip(u"Open\r\nthe file");
  const gfx::Surface probe(1, 1, 15, 15);
  const int width = static_cast<int>(probe.TextWidth(u"the file")) / 15 + 4;
  const int height = static_cast<int>(probe.TextHeight(u"I")) / 15 + 4;
  EXPECT_EQ(TipRect(), (win::RECT{100, 69, 100 + width, 69 + height}));
}

TEST_F(TipWindow, DisabledTipsLeaveAnOpenTipAsItIs) {
  Ws().SetCursorPos({10, 10});
  frmTip().ShowTip(u"A");
  frmTip().TipEnabled = false;
  Ws().SetCursorPos({200, 200});
  frmTip().ShowTip(u"B");
  frmTip().TipEnabled = true;
  EXPECT_EQ(TipRect().left, 10);
}

TEST_F(TipWindow, NoTipOpensWhileAButtonRaisesClick) {
  struct ShowTipOnClick final : forms::EventListener {
    void OnEvent(forms::Control&, std::u16string_view event, std::span<com::Variant>) override {
      if (event != u"Click") return;
      frmTip().ShowTip(u"during Click");
      shownDuringClick = frmTip().IsShown();
    }
    bool shownDuringClick = true;
  } listener;
  app.AddListener(&listener);
  forms::Control& b = AddToolbarButton(NewForm(), {0, 0, 600, 600});
  b.MouseDown(1, 0, 30, 30);
  b.MouseUp(1, 0, 30, 30);
  app.RemoveListener(&listener);
  EXPECT_FALSE(listener.shownDuringClick);
  EXPECT_TRUE(frmTip().TipEnabled);
}

}  // namespace
}  // namespace kelvo::klvctl32

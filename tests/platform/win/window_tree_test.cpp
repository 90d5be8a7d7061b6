// Windows: moving with its messages, destruction and what it lets go,
// procedures that reenter, posted messages and the screen resolution.

#include "platform/com/error.h"
#include "window_fixture.h"

namespace kelvo::win::test {
namespace {

class WindowTreeTest : public WindowTest {
 protected:
  void SetUp() override {
    form = Form({0, 0, 300, 200});
    panel = Child(form, {10, 10, 210, 110});
    edit = Child(panel, {5, 5, 105, 25});
  }
  static std::string Size(HWND h, int w, int hh) { return L(h, {.type = Msg::Size, .a = w, .b = hh}); }
  static std::string MoveTo(HWND h, int x, int y) { return L(h, {.type = Msg::Move, .a = x, .b = y}); }
  HWND form = 0, panel = 0, edit = 0;
};

TEST_F(WindowTreeTest, MoveSendsSizeAndMoveOnlyForWhatChanged) {
  ws.Move(edit, {7, 8, 57, 38});
  ws.Move(edit, {7, 8, 57, 38});
  ws.Move(edit, {9, 8, 59, 38});
  ws.Move(edit, {9, 8, 19, 18});
  EXPECT_EQ(ws.SurfaceOf(edit).widthPx(), 10);
  EXPECT_EQ(log.Take(), (Lines{Size(edit, 50, 30), MoveTo(edit, 7, 8), MoveTo(edit, 9, 8), Size(edit, 10, 10)}));
}

TEST_F(WindowTreeTest, SizeHandlerMayResizeItself) {
  // Like a control that fixes its own height inside Resize.
  ws.SetProc(edit, [&](HWND h, const Message& m) {
    log.Proc()(h, m);
    const RECT r = ws.ClientRect(h);
    if (m.type == Msg::Size && m.b != 21) ws.Move(h, {r.left, r.top, r.right, r.top + 21});
  });
  ws.Move(edit, {30, 40, 90, 100});
  EXPECT_EQ(ws.SurfaceOf(edit).heightPx(), 21);
  EXPECT_EQ(log.Take(), (Lines{Size(edit, 60, 60), Size(edit, 60, 21), MoveTo(edit, 30, 40)}));
}

TEST_F(WindowTreeTest, NegativeAndHugeSizesAreBounded) {
  ws.Move(edit, {50, 50, 10, 10});
  EXPECT_EQ(ws.ClientRect(edit).Width(), 0);
  ws.Move(edit, {-2147483647, 0, 2147483647, 100000000});
  EXPECT_EQ(ws.ClientRect(edit).left, -32768);
  EXPECT_LE(ws.SurfaceOf(edit).heightPx(), 16384);
}

TEST_F(WindowTreeTest, DestroyLetsGoOfFocusCaptureCaretAndActivation) {
  ws.Destroy(Child(form, {250, 150, 290, 190}));
  ws.SetFocus(edit);  // also activates the form
  ws.SetCapture(edit);
  ws.CreateCaret(edit, 1, 10);
  log.Take();
  ws.Destroy(panel);
  EXPECT_FALSE(ws.IsWindow(edit));
  EXPECT_TRUE(ws.Children(form).empty());
  EXPECT_EQ(ws.Focus(), 0u);
  EXPECT_EQ(ws.Capture(), 0u);
  EXPECT_EQ(ws.Caret().window, 0u);
  ws.Destroy(form);
  EXPECT_EQ(ws.Active(), 0u);
  EXPECT_EQ(log.Take(), Lines{});  // nothing is sent to dying windows
  EXPECT_GT(Form({0, 0, 1, 1}), edit);  // handles are never reused
}

TEST_F(WindowTreeTest, ProcMayDestroyItsOwnWindow) {
  bool ranToTheEnd = false;
  ws.SetProc(edit, [&, keep = std::string(64, 'x')](HWND h, const Message&) {
    ws.Destroy(h);
    ranToTheEnd = keep.size() == 64;  // the procedure's captures are still alive
  });
  ws.SetFocus(edit);
  EXPECT_TRUE(ranToTheEnd);
  EXPECT_EQ(ws.Focus(), 0u);
}

TEST_F(WindowTreeTest, PostedMessagesWaitAndSkipDestroyedWindows) {
  ws.Post(edit, {.type = Msg::Char, .a = 1});
  ws.Post(panel, {.type = Msg::Char, .a = 2});
  ws.Destroy(edit);
  EXPECT_EQ(log.Take(), Lines{});
  ws.ProcessPending();
  EXPECT_EQ(log.Take(), (Lines{L(panel, {.type = Msg::Char, .a = 2})}));
}

TEST_F(WindowTreeTest, PostingFromAHandlerKeepsOrderAndEnds) {
  ws.SetProc(edit, [&](HWND h, const Message& m) {
    log.Proc()(h, m);
    ws.Post(h, {.type = Msg::Char, .a = m.a + 10});
    if (m.a == 1) ws.ProcessPending();  // the handler lets pending events run
  });
  ws.Post(edit, {.type = Msg::Char, .a = 1});
  ws.Post(edit, {.type = Msg::Char, .a = 2});
  ws.ProcessPending();
  const auto chr = [&](int code) { return L(edit, {.type = Msg::Char, .a = code}); };
  EXPECT_EQ(log.Take(), (Lines{chr(1), chr(2), chr(11)}));
  ws.ProcessPending();
  EXPECT_EQ(log.Take(), (Lines{chr(12), chr(21)}));
}

TEST_F(WindowTreeTest, SurfacesTakeTheScreenFactorsAtCreation) {
  ws.SetScreenDpi(100);  // 14.4 rounds to 14
  EXPECT_EQ(ws.SurfaceOf(Child(form, {0, 0, 40, 30})).twipsPerPixelX(), 14);
  ws.SetScreenDpi(120);
  EXPECT_EQ(ws.SurfaceOf(Child(form, {0, 0, 40, 30})).twipsPerPixelY(), 12);
  EXPECT_EQ(ws.SurfaceOf(edit).twipsPerPixelX(), 15);
  for (int dpi : {0, 2881}) EXPECT_THROW(ws.SetScreenDpi(dpi), com::Error);
  EXPECT_EQ(ws.ScreenDpi(), 120);
}

}  // namespace
}  // namespace kelvo::win::test

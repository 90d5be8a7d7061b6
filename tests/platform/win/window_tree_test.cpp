// Windows: creation, handles, moving and resizing with their messages,
// destruction and what it lets go, and procedures that reenter.

#include "platform/com/error.h"
#include "recording_backend.h"
#include "window_fixture.h"

namespace kelvo::win::test {
namespace {

std::string Num(HWND h) { return std::to_string(h); }

class WindowTreeTest : public WindowTest {
 protected:
  void SetUp() override {
    form = Form({0, 0, 300, 200});
    panel = Child(form, {10, 10, 210, 110});
    edit = Child(panel, {5, 5, 105, 25});
  }
  HWND form = 0, panel = 0, edit = 0;
};

TEST_F(WindowTreeTest, KnowsParentsChildrenAndTopLevel) {
  const HWND second = Child(panel, {0, 50, 10, 60});
  EXPECT_EQ(ws.Parent(edit), panel);
  EXPECT_EQ(ws.TopLevel(edit), form);
  EXPECT_EQ(ws.TopLevel(form), form);
  EXPECT_EQ(ws.Children(panel), (std::vector<HWND>{edit, second}));
}

TEST_F(WindowTreeTest, HandlesAreNeverReused) {
  ws.Destroy(edit);
  const HWND next = Child(panel, {0, 0, 1, 1});
  EXPECT_GT(next, edit);
  EXPECT_FALSE(ws.IsWindow(edit));
}

TEST_F(WindowTreeTest, MissingParentIsRefused) {
  EXPECT_EQ(Child(12345, {0, 0, 10, 10}), 0u);
}

TEST_F(WindowTreeTest, SurfaceHasTheWindowSizeAndScreenFactors) {
  ws.SetScreenDpi(120);
  const HWND w = Child(form, {0, 0, 40, 30});
  EXPECT_EQ(ws.SurfaceOf(w).widthPx(), 40);
  EXPECT_EQ(ws.SurfaceOf(w).heightPx(), 30);
  EXPECT_EQ(ws.SurfaceOf(w).twipsPerPixelX(), 12);
  EXPECT_EQ(ws.SurfaceOf(edit).twipsPerPixelX(), 15);  // created before the change
}

TEST_F(WindowTreeTest, SurfaceOfAMissingWindowIsAnError) {
  EXPECT_THROW(ws.SurfaceOf(999), std::invalid_argument);
}

TEST_F(WindowTreeTest, MoveResizesTheSurfaceAndSendsSizeThenMove) {
  ws.Move(edit, {7, 8, 57, 38});
  EXPECT_EQ(ws.SurfaceOf(edit).widthPx(), 50);
  EXPECT_EQ(ws.SurfaceOf(edit).heightPx(), 30);
  EXPECT_EQ(log.Take(), (Lines{Num(edit) + ":Size 50 30", Num(edit) + ":Move 7 8"}));
}

TEST_F(WindowTreeTest, MoveWithoutResizeSendsOnlyMove) {
  ws.Move(edit, {6, 6, 106, 26});
  EXPECT_EQ(log.Take(), (Lines{Num(edit) + ":Move 6 6"}));
}

TEST_F(WindowTreeTest, ResizeInPlaceSendsOnlySize) {
  ws.Move(edit, {5, 5, 55, 25});
  EXPECT_EQ(log.Take(), (Lines{Num(edit) + ":Size 50 20"}));
  ws.Move(edit, {5, 5, 55, 25});
  EXPECT_TRUE(log.Take().empty());
}

TEST_F(WindowTreeTest, SizeHandlerMayResizeItself) {
  // Like a control that fixes its own height inside Resize.
  ws.SetProc(edit, [&](HWND h, const Message& m) {
    log.Proc()(h, m);
    if (m.type == Msg::Size && m.b != 21) {
      const RECT r = ws.ClientRect(h);
      ws.Move(h, {r.left, r.top, r.right, r.top + 21});
    }
  });
  ws.Move(edit, {30, 40, 90, 100});
  EXPECT_EQ(ws.ClientRect(edit), (RECT{30, 40, 90, 61}));
  EXPECT_EQ(ws.SurfaceOf(edit).heightPx(), 21);
  EXPECT_EQ(log.Take(), (Lines{Num(edit) + ":Size 60 60", Num(edit) + ":Size 60 21", Num(edit) + ":Move 30 40"}));
}

TEST_F(WindowTreeTest, NegativeAndHugeSizesAreBounded) {
  ws.Move(edit, {50, 50, 10, 10});
  EXPECT_EQ(ws.ClientRect(edit).Width(), 0);
  ws.Move(edit, {-2147483647, 0, 2147483647, 100000000});
  const RECT r = ws.ClientRect(edit);
  EXPECT_EQ(r.left, -32768);
  EXPECT_LE(r.Width(), 16384);
  EXPECT_LE(ws.SurfaceOf(edit).heightPx(), 16384);
}

TEST_F(WindowTreeTest, VisibleOnlyWhenEveryParentIsVisible) {
  ws.Show(panel, false);
  EXPECT_FALSE(ws.IsVisible(edit));
  EXPECT_TRUE(ws.IsShown(edit));
  ws.Show(panel, true);
  EXPECT_TRUE(ws.IsVisible(edit));
}

TEST_F(WindowTreeTest, DestroyTakesTheChildrenAlong) {
  BackendCounts counts;
  ws.InstallBackend(std::make_unique<RecordingBackend>(counts));
  ws.Destroy(panel);
  EXPECT_FALSE(ws.IsWindow(panel));
  EXPECT_FALSE(ws.IsWindow(edit));
  EXPECT_TRUE(ws.Children(form).empty());
  EXPECT_EQ(counts.destroyed, 2);
}

TEST_F(WindowTreeTest, DestroyLetsGoOfFocusCaptureCaretAndActivation) {
  ws.SetFocus(edit);  // also activates the form
  ws.SetCapture(edit);
  ws.CreateCaret(edit, 1, 10);
  log.Take();
  ws.Destroy(form);
  EXPECT_EQ(ws.Focus(), 0u);
  EXPECT_EQ(ws.Capture(), 0u);
  EXPECT_EQ(ws.Caret().window, 0u);
  EXPECT_EQ(ws.Active(), 0u);
  EXPECT_TRUE(log.Take().empty());  // nothing is sent to dying windows
}

TEST_F(WindowTreeTest, DestroyElsewhereKeepsFocusAndCapture) {
  const HWND other = Child(form, {250, 150, 290, 190});
  ws.SetFocus(edit);
  ws.SetCapture(edit);
  ws.Destroy(other);
  EXPECT_EQ(ws.Focus(), edit);
  EXPECT_EQ(ws.Capture(), edit);
}

TEST_F(WindowTreeTest, ProcMayDestroyItsOwnWindow) {
  bool ranToTheEnd = false;
  ws.SetProc(edit, [&, keep = std::string(64, 'x')](HWND h, const Message&) {
    ws.Destroy(h);
    ranToTheEnd = keep.size() == 64;  // the procedure's captures are still alive
  });
  ws.KeyDown(1, 0);  // no focus: dropped
  ws.SetFocus(edit);
  EXPECT_TRUE(ranToTheEnd);
  EXPECT_FALSE(ws.IsWindow(edit));
  EXPECT_EQ(ws.Focus(), 0u);
}

TEST_F(WindowTreeTest, MessagesToMissingWindowsGoNowhere) {
  ws.Send(777, {.type = Msg::Paint});
  ws.Destroy(edit);
  ws.Send(edit, {.type = Msg::Paint});
  EXPECT_TRUE(log.Take().empty());
}

TEST_F(WindowTreeTest, CaptionIsKept) {
  ws.SetCaption(form, u"Demo");
  EXPECT_EQ(ws.Caption(form), u"Demo");
  EXPECT_EQ(ws.Caption(999), u"");
}

TEST(ScreenDpi, TwipsPerPixelFollowTheResolution) {
  WindowSystem ws;
  EXPECT_EQ(ws.ScreenDpi(), 96);
  EXPECT_EQ(ws.TwipsPerPixelX(), 15);
  ws.SetScreenDpi(120);
  EXPECT_EQ(ws.TwipsPerPixelX(), 12);
  EXPECT_EQ(ws.TwipsPerPixelY(), 12);
  ws.SetScreenDpi(144);
  EXPECT_EQ(ws.TwipsPerPixelX(), 10);
  ws.SetScreenDpi(100);  // 14.4 rounds to 14
  EXPECT_EQ(ws.TwipsPerPixelY(), 14);
}

TEST(ScreenDpi, ImpossibleResolutionsAreRefused) {
  WindowSystem ws;
  for (int dpi : {0, -96, 2881}) {
    try {
      ws.SetScreenDpi(dpi);
      ADD_FAILURE() << dpi << " dpi was accepted";
    } catch (const com::Error& e) {
      EXPECT_EQ(e.number(), com::err::kInvalidCall);
    }
  }
  EXPECT_EQ(ws.TwipsPerPixelX(), 15);
}

class PostedTest : public WindowTest {
 protected:
  void SetUp() override { w = Form({0, 0, 10, 10}); }
  HWND w = 0;
};

TEST_F(PostedTest, DeliveredInOrderOnlyWhenProcessed) {
  ws.Post(w, {.type = Msg::Char, .a = 1});
  ws.Post(w, {.type = Msg::Char, .a = 2});
  EXPECT_TRUE(log.Take().empty());
  ws.ProcessPending();
  EXPECT_EQ(log.Take(), (Lines{Num(w) + ":Char 1", Num(w) + ":Char 2"}));
}

TEST_F(PostedTest, MessagesForDestroyedWindowsAreDropped) {
  const HWND gone = Child(w, {0, 0, 1, 1});
  ws.Post(gone, {.type = Msg::Char, .a = 1});
  ws.Post(w, {.type = Msg::Char, .a = 2});
  ws.Destroy(gone);
  ws.ProcessPending();
  EXPECT_EQ(log.Take(), (Lines{Num(w) + ":Char 2"}));
}

TEST_F(PostedTest, HandlerThatPostsAgainWaitsForTheNextRound) {
  ws.SetProc(w, [&](HWND h, const Message& m) {
    log.Proc()(h, m);
    ws.Post(h, {.type = Msg::Char, .a = m.a + 1});
  });
  ws.Post(w, {.type = Msg::Char, .a = 1});
  ws.ProcessPending();
  EXPECT_EQ(log.Take(), (Lines{Num(w) + ":Char 1"}));
  ws.ProcessPending();
  EXPECT_EQ(log.Take(), (Lines{Num(w) + ":Char 2"}));
}

TEST_F(PostedTest, NestedProcessingKeepsThePostingOrder) {
  ws.SetProc(w, [&](HWND h, const Message& m) {
    log.Proc()(h, m);
    if (m.a == 1) {
      ws.Post(h, {.type = Msg::Char, .a = 3});
      ws.ProcessPending();  // the handler lets pending events run
    }
  });
  ws.Post(w, {.type = Msg::Char, .a = 1});
  ws.Post(w, {.type = Msg::Char, .a = 2});
  ws.ProcessPending();
  EXPECT_EQ(log.Take(), (Lines{Num(w) + ":Char 1", Num(w) + ":Char 2", Num(w) + ":Char 3"}));
}

}  // namespace
}  // namespace kelvo::win::test

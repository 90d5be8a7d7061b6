// The caret: one per thread, created hidden, shown while show requests are
// not outweighed by hide requests, and gone with its window.

#include <thread>

#include "recording_backend.h"
#include "window_fixture.h"

namespace kelvo::win::test {
namespace {

class CaretTest : public WindowTest {
 protected:
  void SetUp() override {
    form = Form({0, 0, 200, 100});
    edit = Child(form, {10, 10, 110, 30});
    other = Child(form, {10, 40, 110, 60});
  }
  HWND form = 0, edit = 0, other = 0;
};

TEST_F(CaretTest, NewCaretStartsHiddenAtOrigin) {
  ws.CreateCaret(edit, 1, 13);
  const CaretState caret = ws.Caret();
  EXPECT_EQ(caret.window, edit);
  EXPECT_EQ(caret.width, 1);
  EXPECT_EQ(caret.height, 13);
  EXPECT_EQ(caret.x, 0);
  EXPECT_EQ(caret.y, 0);
  EXPECT_FALSE(caret.Shown());
}

TEST_F(CaretTest, ShowMakesItVisibleAndHideHidesIt) {
  ws.CreateCaret(edit, 1, 13);
  ws.ShowCaret(edit);
  EXPECT_TRUE(ws.Caret().Shown());
  ws.HideCaret(edit);
  EXPECT_FALSE(ws.Caret().Shown());
}

TEST_F(CaretTest, RepeatedShowsDoNotOutlastOneHide) {
  // An edit shows the caret on every repaint; losing the focus must still
  // hide it, however often it was shown.
  ws.CreateCaret(edit, 1, 13);
  for (int i = 0; i < 5; ++i) ws.ShowCaret(edit);
  EXPECT_EQ(ws.Caret().showCount, 1);
  ws.HideCaret(edit);
  EXPECT_FALSE(ws.Caret().Shown());
}

TEST_F(CaretTest, HidesAddUpAndNeedAsManyShows) {
  ws.CreateCaret(edit, 1, 13);
  ws.ShowCaret(edit);
  ws.HideCaret(edit);
  ws.HideCaret(edit);
  EXPECT_EQ(ws.Caret().showCount, -1);
  ws.ShowCaret(edit);
  EXPECT_FALSE(ws.Caret().Shown());
  ws.ShowCaret(edit);
  EXPECT_TRUE(ws.Caret().Shown());
}

TEST_F(CaretTest, AnotherWindowsRequestsAreIgnored) {
  ws.CreateCaret(edit, 1, 13);
  ws.ShowCaret(other);
  EXPECT_FALSE(ws.Caret().Shown());
  ws.ShowCaret(edit);
  ws.HideCaret(other);
  EXPECT_TRUE(ws.Caret().Shown());
}

TEST_F(CaretTest, WindowZeroMeansTheCaretsOwnWindow) {
  ws.CreateCaret(edit, 1, 13);
  ws.ShowCaret(0);
  EXPECT_TRUE(ws.Caret().Shown());
  ws.HideCaret(0);
  EXPECT_FALSE(ws.Caret().Shown());
}

TEST_F(CaretTest, CreatingAgainReplacesTheOldCaretHidden) {
  ws.CreateCaret(edit, 1, 13);
  ws.ShowCaret(edit);
  ws.SetCaretPos(5, 3);
  ws.CreateCaret(other, 2, 9);
  const CaretState caret = ws.Caret();
  EXPECT_EQ(caret.window, other);
  EXPECT_EQ(caret.width, 2);
  EXPECT_EQ(caret.x, 0);
  EXPECT_FALSE(caret.Shown());
  ws.ShowCaret(edit);  // the old owner has no say any more
  EXPECT_FALSE(ws.Caret().Shown());
}

TEST_F(CaretTest, PositionIsKeptWhileHidden) {
  ws.CreateCaret(edit, 1, 13);
  ws.SetCaretPos(42, 3);
  ws.ShowCaret(edit);
  EXPECT_EQ(ws.Caret().x, 42);
  EXPECT_EQ(ws.Caret().y, 3);
}

TEST_F(CaretTest, ZeroSizeIsOnePixel) {
  ws.CreateCaret(edit, 0, 0);
  EXPECT_EQ(ws.Caret().width, 1);
  EXPECT_EQ(ws.Caret().height, 1);
}

TEST_F(CaretTest, CaretForMissingWindowIsNotCreated) {
  ws.CreateCaret(9999, 1, 13);
  EXPECT_EQ(ws.Caret().window, 0u);
}

TEST_F(CaretTest, DestroyCaretLeavesNone) {
  ws.CreateCaret(edit, 1, 13);
  ws.ShowCaret(edit);
  ws.DestroyCaret();
  EXPECT_EQ(ws.Caret().window, 0u);
  EXPECT_FALSE(ws.Caret().Shown());
  ws.SetCaretPos(3, 3);  // harmless without a caret
  ws.ShowCaret(0);
  EXPECT_EQ(ws.Caret().window, 0u);
}

TEST_F(CaretTest, DestroyingTheOwnerDestroysTheCaret) {
  ws.CreateCaret(edit, 1, 13);
  ws.ShowCaret(edit);
  ws.Destroy(form);
  EXPECT_EQ(ws.Caret().window, 0u);
}

TEST_F(CaretTest, EachThreadHasItsOwnCaret) {
  ws.CreateCaret(edit, 1, 13);
  CaretState seenThere;
  std::thread worker([&] {
    seenThere = ws.Caret();
    ws.CreateCaret(other, 3, 3);
    ws.DestroyCaret();
  });
  worker.join();
  EXPECT_EQ(seenThere.window, 0u);
  EXPECT_EQ(ws.Caret().window, edit);
}

TEST(CaretBackend, EveryChangeIsReported) {
  BackendCounts counts;
  WindowSystem ws;
  ws.InstallBackend(std::make_unique<RecordingBackend>(counts));
  const HWND w = ws.Create(Params(WindowKind::TopLevel, {0, 0, 10, 10}));
  ws.CreateCaret(w, 1, 5);
  ws.SetCaretPos(1, 1);
  ws.ShowCaret(w);
  ws.HideCaret(w);
  ws.DestroyCaret();
  EXPECT_EQ(counts.caretChanged, 5);
}

}  // namespace
}  // namespace kelvo::win::test

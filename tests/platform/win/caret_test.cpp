// The caret: one per thread, created hidden; shows do not accumulate but
// hides do, and other windows have no say.

#include <thread>

#include "window_fixture.h"

namespace kelvo::win::test {
namespace {

class CaretTest : public WindowTest {
 protected:
  void SetUp() override {
    edit = Form({0, 0, 100, 20});
    other = Form({0, 30, 100, 50});
    ws.CreateCaret(edit, 1, 13);
  }
  bool Shown() const { return ws.Caret().Shown(); }
  HWND edit = 0, other = 0;
};

TEST_F(CaretTest, NewCaretIsHiddenUntilShown) {
  EXPECT_EQ(ws.Caret().window, edit);
  EXPECT_FALSE(Shown());
  ws.ShowCaret(edit);
  EXPECT_TRUE(Shown());
}

TEST_F(CaretTest, RepeatedShowsDoNotOutlastOneHide) {
  // An edit shows the caret on every repaint; losing the focus must still hide it.
  for (int i = 0; i < 5; ++i) ws.ShowCaret(edit);
  ws.HideCaret(edit);
  EXPECT_FALSE(Shown());
}

TEST_F(CaretTest, HidesAddUpAndNeedAsManyShows) {
  ws.ShowCaret(edit);
  ws.HideCaret(edit);
  ws.HideCaret(edit);
  ws.ShowCaret(edit);
  EXPECT_FALSE(Shown());
  ws.ShowCaret(0);  // 0: the caret's own window
  EXPECT_TRUE(Shown());
}

TEST_F(CaretTest, OnlyTheCurrentOwnerHasASay) {
  ws.ShowCaret(other);
  EXPECT_FALSE(Shown());
  ws.ShowCaret(edit);
  ws.HideCaret(other);
  EXPECT_TRUE(Shown());
  ws.CreateCaret(other, 0, 9);  // replaces the shown caret with a hidden one
  EXPECT_EQ(ws.Caret().width, 1);
  ws.ShowCaret(edit);
  EXPECT_FALSE(Shown());
}

TEST_F(CaretTest, EachThreadHasItsOwnCaret) {
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

}  // namespace
}  // namespace kelvo::win::test

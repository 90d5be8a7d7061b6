// Pop-up menus and message boxes: answers, and the records the console
// reads back.

#include <gtest/gtest.h>

#include "odd_backend.h"
#include "platform/win/window_system.h"

namespace kelvo::win::test {
namespace {

const std::vector<MenuItem> kEditMenu = {
    {.caption = u"Recortar"}, {.caption = u"Copiar", .enabled = false}, {.caption = u"-"}, {.caption = u"Colar"}};

class DialogsTest : public ::testing::Test {
 protected:
  HeadlessBackend& headless() { return static_cast<HeadlessBackend&>(ws.backend()); }
  int Menu() { return ws.PopupMenu(0, kEditMenu, {}); }
  MsgBoxResult Box(MsgBoxButtons buttons) { return ws.MessageBox(0, u"text", u"title", buttons, MsgBoxIcon::None); }
  WindowSystem ws;
};

TEST_F(DialogsTest, MenuAnswersServeOnceInOrderAndOnlyPickableItems) {
  for (int answer : {3, 0, 1, 2, 4, -7}) headless().QueueMenuAnswer(answer);
  EXPECT_EQ(Menu(), 3);
  EXPECT_EQ(Menu(), 0);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Menu(), -1);  // disabled, separator, out of range, then the default
  const auto menu = ws.TakeLastMenu();
  ASSERT_TRUE(menu.has_value());
  EXPECT_FALSE((*menu)[1].enabled);
  EXPECT_FALSE(ws.TakeLastMenu().has_value());
}

TEST_F(DialogsTest, MessageBoxAnswersQueuedOrTheFirstButton) {
  headless().QueueMessageBoxAnswer(MsgBoxResult::Cancel);
  headless().QueueMessageBoxAnswer(MsgBoxResult::No);
  EXPECT_EQ(Box(MsgBoxButtons::OKCancel), MsgBoxResult::Cancel);
  EXPECT_EQ(Box(MsgBoxButtons::YesNo), MsgBoxResult::No);
  EXPECT_EQ(Box(MsgBoxButtons::OKCancel), MsgBoxResult::OK);
  EXPECT_EQ(Box(MsgBoxButtons::YesNo), MsgBoxResult::Yes);
}

TEST_F(DialogsTest, AnswerTheBoxDoesNotOfferClosesIt) {
  // A box never confirms what it could not have been asked.
  headless().QueueMessageBoxAnswer(MsgBoxResult::Yes);
  headless().QueueMessageBoxAnswer(MsgBoxResult::OK);
  EXPECT_EQ(Box(MsgBoxButtons::OKCancel), MsgBoxResult::Cancel);
  EXPECT_EQ(Box(MsgBoxButtons::YesNo), MsgBoxResult::No);
  ws.InstallBackend(std::make_unique<OddBackend>(0));  // any backend's answers are checked
  EXPECT_EQ(Menu(), -1);
  EXPECT_EQ(Box(MsgBoxButtons::OKCancel), MsgBoxResult::Cancel);
}

TEST_F(DialogsTest, MessageBoxesAreRecordedInOrderUntilTaken) {
  ws.MessageBox(0, u"Não é possível\nregistrar", u"KelvoControls Setup", MsgBoxButtons::OK, MsgBoxIcon::Stop);
  ws.MessageBox(0, u"Deseja?", u"KelvoControls Setup", MsgBoxButtons::YesNo, MsgBoxIcon::Question);
  const std::vector<MessageBoxRecord> boxes = ws.TakeMessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, u"Não é possível\nregistrar");
  EXPECT_EQ(boxes[0].icon, MsgBoxIcon::Stop);
  EXPECT_EQ(boxes[1].buttons, MsgBoxButtons::YesNo);
  EXPECT_TRUE(ws.TakeMessageBoxes().empty());
}

}  // namespace
}  // namespace kelvo::win::test

// Pop-up menus, message boxes, beeps and the clipboard: answers, and the
// records the console reads back.

#include <gtest/gtest.h>

#include "platform/win/backend.h"
#include "platform/win/window_system.h"
#include "recording_backend.h"

namespace kelvo::win::test {
namespace {

const std::vector<MenuItem> kEditMenu = {
    {.caption = u"Recortar"}, {.caption = u"Copiar", .enabled = false}, {.caption = u"-"}, {.caption = u"Colar"}};

class DialogsTest : public ::testing::Test {
 protected:
  HeadlessBackend& headless() { return static_cast<HeadlessBackend&>(ws.backend()); }
  WindowSystem ws;
};

TEST_F(DialogsTest, MenuIsDismissedUnlessAnAnswerIsQueued) {
  EXPECT_EQ(ws.PopupMenu(0, kEditMenu, {10, 10}), -1);
  headless().QueueMenuAnswer(3);
  EXPECT_EQ(ws.PopupMenu(0, kEditMenu, {10, 10}), 3);
  EXPECT_EQ(ws.PopupMenu(0, kEditMenu, {10, 10}), -1);  // each answer serves once
}

TEST_F(DialogsTest, AnswersAreUsedInQueueOrder) {
  headless().QueueMenuAnswer(0);
  headless().QueueMenuAnswer(3);
  EXPECT_EQ(ws.PopupMenu(0, kEditMenu, {}), 0);
  EXPECT_EQ(ws.PopupMenu(0, kEditMenu, {}), 3);
}

TEST_F(DialogsTest, PickingWhatCannotBePickedDismisses) {
  for (int answer : {1, 2, 4, -7}) {  // disabled, separator, past the end, nonsense
    headless().QueueMenuAnswer(answer);
    EXPECT_EQ(ws.PopupMenu(0, kEditMenu, {}), -1) << answer;
  }
}

TEST_F(DialogsTest, AnyBackendsImpossiblePickDismisses) {
  BackendCounts counts;
  auto backend = std::make_unique<RecordingBackend>(counts);
  backend->menuAnswer = 99;
  ws.InstallBackend(std::move(backend));
  EXPECT_EQ(ws.PopupMenu(0, kEditMenu, {}), -1);
}

TEST_F(DialogsTest, LastMenuShownIsRecordedOnce) {
  EXPECT_FALSE(ws.TakeLastMenu().has_value());
  ws.PopupMenu(0, {{.caption = u"A"}}, {});
  ws.PopupMenu(0, kEditMenu, {});
  const auto menu = ws.TakeLastMenu();
  ASSERT_TRUE(menu.has_value());
  ASSERT_EQ(menu->size(), 4u);
  EXPECT_EQ((*menu)[1].caption, u"Copiar");
  EXPECT_FALSE((*menu)[1].enabled);
  EXPECT_FALSE(ws.TakeLastMenu().has_value());
}

TEST_F(DialogsTest, MessageBoxDefaultsToItsFirstButton) {
  EXPECT_EQ(ws.MessageBox(0, u"t", u"T", MsgBoxButtons::OK, MsgBoxIcon::Stop), MsgBoxResult::OK);
  EXPECT_EQ(ws.MessageBox(0, u"t", u"T", MsgBoxButtons::OKCancel, MsgBoxIcon::Exclamation), MsgBoxResult::OK);
  EXPECT_EQ(ws.MessageBox(0, u"t", u"T", MsgBoxButtons::YesNo, MsgBoxIcon::Question), MsgBoxResult::Yes);
}

TEST_F(DialogsTest, QueuedMessageBoxAnswersAreUsedInOrder) {
  headless().QueueMessageBoxAnswer(MsgBoxResult::Cancel);
  headless().QueueMessageBoxAnswer(MsgBoxResult::No);
  EXPECT_EQ(ws.MessageBox(0, u"a", u"T", MsgBoxButtons::OKCancel, MsgBoxIcon::None), MsgBoxResult::Cancel);
  EXPECT_EQ(ws.MessageBox(0, u"b", u"T", MsgBoxButtons::YesNo, MsgBoxIcon::None), MsgBoxResult::No);
  EXPECT_EQ(ws.MessageBox(0, u"c", u"T", MsgBoxButtons::YesNo, MsgBoxIcon::None), MsgBoxResult::Yes);
}

TEST_F(DialogsTest, AnswerTheBoxDoesNotOfferClosesIt) {
  // A box never confirms what it could not have been asked.
  headless().QueueMessageBoxAnswer(MsgBoxResult::Yes);
  EXPECT_EQ(ws.MessageBox(0, u"a", u"T", MsgBoxButtons::OKCancel, MsgBoxIcon::None), MsgBoxResult::Cancel);
  headless().QueueMessageBoxAnswer(MsgBoxResult::OK);
  EXPECT_EQ(ws.MessageBox(0, u"b", u"T", MsgBoxButtons::YesNo, MsgBoxIcon::None), MsgBoxResult::No);
  headless().QueueMessageBoxAnswer(MsgBoxResult::Cancel);
  EXPECT_EQ(ws.MessageBox(0, u"c", u"T", MsgBoxButtons::OK, MsgBoxIcon::None), MsgBoxResult::OK);
}

TEST_F(DialogsTest, AnyBackendsImpossibleAnswerClosesTheBox) {
  BackendCounts counts;
  auto backend = std::make_unique<RecordingBackend>(counts);
  backend->boxAnswer = MsgBoxResult::Yes;
  ws.InstallBackend(std::move(backend));
  EXPECT_EQ(ws.MessageBox(0, u"a", u"T", MsgBoxButtons::OKCancel, MsgBoxIcon::None), MsgBoxResult::Cancel);
}

TEST_F(DialogsTest, MessageBoxesAreRecordedInOrderUntilTaken) {
  ws.MessageBox(0, u"Não é possível\nregistrar", u"KelvoControls Setup", MsgBoxButtons::OK, MsgBoxIcon::Stop);
  ws.MessageBox(0, u"Deseja?", u"KelvoControls Setup", MsgBoxButtons::YesNo, MsgBoxIcon::Question);
  const std::vector<MessageBoxRecord> boxes = ws.TakeMessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, u"Não é possível\nregistrar");
  EXPECT_EQ(boxes[0].title, u"KelvoControls Setup");
  EXPECT_EQ(boxes[0].icon, MsgBoxIcon::Stop);
  EXPECT_EQ(boxes[1].buttons, MsgBoxButtons::YesNo);
  EXPECT_TRUE(ws.TakeMessageBoxes().empty());
}

TEST_F(DialogsTest, BeepsAreCountedAndPassedOn) {
  BackendCounts counts;
  ws.InstallBackend(std::make_unique<RecordingBackend>(counts));
  ws.Beep();
  ws.Beep();
  EXPECT_EQ(ws.TakeBeepCount(), 2);
  EXPECT_EQ(ws.TakeBeepCount(), 0);
  EXPECT_EQ(counts.beeps, 2);
}

TEST_F(DialogsTest, ClipboardGoesThroughTheBackend) {
  ws.SetClipboardText(u"12/34");
  EXPECT_EQ(headless().ClipboardText(), u"12/34");
  EXPECT_EQ(ws.ClipboardText(), u"12/34");
}

TEST_F(DialogsTest, ShellRecordsAreKeptUntilTaken) {
  ws.RecordShell({.commandLine = u"NOTEPAD x", .mode = ShowMode::Maximized});
  const auto records = ws.TakeShellRecords();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].mode, ShowMode::Maximized);
  EXPECT_TRUE(ws.TakeShellRecords().empty());
}

}  // namespace
}  // namespace kelvo::win::test

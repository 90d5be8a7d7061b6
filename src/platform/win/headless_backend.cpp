// The headless backend's scripted answers to pop-up menus and message boxes.

#include "platform/win/backend.h"
#include "platform/win/dialog_answers.h"

namespace kelvo::win {

int HeadlessBackend::RunPopupMenu(HWND, const std::vector<MenuItem>& items, POINT) {
  if (menuAnswers_.empty()) return -1;
  const int answer = menuAnswers_.front();
  menuAnswers_.pop_front();
  return PickedOrDismissed(items, answer);
}

MsgBoxResult HeadlessBackend::RunMessageBox(HWND, const MessageBoxRecord& box) {
  if (boxAnswers_.empty()) return FirstButton(box.buttons);
  const MsgBoxResult answer = boxAnswers_.front();
  boxAnswers_.pop_front();
  return OfferedOrDismissed(box.buttons, answer);
}

}  // namespace kelvo::win

#include "platform/win/dialog_answers.h"

namespace kelvo::win {

int PickedOrDismissed(const std::vector<MenuItem>& items, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return -1;
  const MenuItem& item = items[static_cast<std::size_t>(index)];
  return item.enabled && item.caption != u"-" ? index : -1;
}

MsgBoxResult FirstButton(MsgBoxButtons buttons) {
  return buttons == MsgBoxButtons::YesNo ? MsgBoxResult::Yes : MsgBoxResult::OK;
}

MsgBoxResult OfferedOrDismissed(MsgBoxButtons buttons, MsgBoxResult answer) {
  switch (buttons) {
    case MsgBoxButtons::OK:
      return MsgBoxResult::OK;
    case MsgBoxButtons::OKCancel:
      return answer == MsgBoxResult::OK ? MsgBoxResult::OK : MsgBoxResult::Cancel;
    case MsgBoxButtons::YesNo:
      return answer == MsgBoxResult::Yes ? MsgBoxResult::Yes : MsgBoxResult::No;
  }
  return MsgBoxResult::Cancel;
}

}  // namespace kelvo::win

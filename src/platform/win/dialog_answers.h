#pragma once
// What a pop-up menu or a message box can answer. A backend's answer that
// the dialog could not give (an item that cannot be picked, a button the box
// does not have) counts as dismissing the dialog.

#include <vector>

#include "platform/win/window_system.h"

namespace kelvo::win {

// `index` when it names an enabled item that is not a separator, else -1.
int PickedOrDismissed(const std::vector<MenuItem>& items, int index);

// The box's first button: OK, OK, Yes.
MsgBoxResult FirstButton(MsgBoxButtons buttons);
// `answer` when the box has that button, else the answer of closing the box
// (OK, Cancel, No).
MsgBoxResult OfferedOrDismissed(MsgBoxButtons buttons, MsgBoxResult answer);

}  // namespace kelvo::win

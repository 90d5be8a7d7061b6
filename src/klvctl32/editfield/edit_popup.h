#pragma once
// Showing an edit's context menu: the control takes the focus (which may run
// its focus steps), then the items get their state for that moment, and the
// menu pops up at the pointer, answering the right button as well as the left.

#include <functional>

#include "klvctl32/editfield/edit_menu.h"
#include "platform/forms/control.h"

namespace kelvo::klvctl32 {

// The picked item's index, or -1 when the menu was dismissed.
int ShowEditMenu(forms::IControlSite& site, const std::function<const EditMenu&()>& prepare);

}  // namespace kelvo::klvctl32

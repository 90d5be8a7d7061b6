#pragma once
// The demo's Backup window (backup.frm, installed next to the program): Copy
// copies the source file to the target with the library's copier, split
// into volumes of the given size when one is given; Cancel stops a copy
// under way, or closes the window when none is. While a copy runs, each
// Progress event lets the waiting input through, so the window stays
// responsive and its Cancel button can be clicked.

#include "platform/app/app.h"

namespace kelvo::demo {

// Shows the Backup window, loading it first when it is not open.
void OpenBackupWindow(app::App& app);

}  // namespace kelvo::demo

#pragma once
// The participating side of the focus engine's protocol, shared by the edits
// and the command button: each tick the engine calls the control's
// ToKelvoEnginer, which compares the active window with the window the control
// watches and runs the control's own focus-loss handling when its form was
// deactivated, or calls XFocus on the form's active control when the form is
// active again.

#include <functional>

#include "platform/forms/control.h"
#include "platform/win/types.h"

namespace kelvo::klvctl32 {

// What each participating control keeps for the protocol.
struct FocusWatch {
  win::HWND FormWindow = 0;  // the active window when the control was last shown
  bool WindowActive = true;  // the control believes its form window is active
};

// The form's active control, or none.
com::ComPtr<com::IDispatch> ActiveControlOf(com::IDispatch& form);

// The window a control compares with the active window: FormWindow for an MDI
// frame or an MDI child, else the form's own window. Throws com::Error when
// the form lacks a member.
win::HWND WatchedWindow(forms::IControlSite& site, com::IDispatch& form, const FocusWatch& watch);

// ToKelvoEnginer under its error trap: a failing late-bound call ends it
// quietly, after whatever it already changed. False when the tick's work
// ends here (no active control, the control disabled, or a failure), so a
// control that does more on each tick knows whether to go on.
bool RunFocusProtocol(forms::IControlSite& site, bool enabled, FocusWatch& watch,
                      const std::function<void()>& ownLostFocus);

// Stores the active window in FormWindow, as Show does (errors ignored).
void RememberFormWindow(FocusWatch& watch);

}  // namespace kelvo::klvctl32

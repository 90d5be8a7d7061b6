#pragma once
// A small control for the console's tests, registered in-process as
// "Console.Probe". It raises events with by-reference arguments, keeps a
// caption it prints, shows a caret while focused, beeps, shows a pop-up menu
// on a right-button release and a message box on a click, runs a timer, and
// shows a tooltip window.
//
// Members: Caption (String), BackColor (Color), Ticks (Long, read-only),
// Picked (Integer, read-only: the last menu answer), Answer (Integer,
// read-only: the last message-box answer), Echo(Text, Count) -> Color (appends
// "!" to Text and adds 1 to Count, by reference), Ping() (raises Tinted),
// ShowTip(Text), HideTip(), Run(CommandLine) (records a program start).
// Events: KeyDown(KeyCode, Shift), KeyPress(KeyAscii), KeyUp(KeyCode, Shift),
// Changed(), Tinted(Color), Validate(Cancel).

#include <string_view>

namespace kelvo::console::testing {

inline constexpr std::u16string_view kProbeProgId = u"Console.Probe";

// Registers the probe class with the forms container (once per process).
void RegisterProbe();

}  // namespace kelvo::console::testing

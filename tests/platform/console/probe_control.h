#pragma once
// A small control for the console's tests, registered in-process as
// "Console.Probe" (and served as "ConsoleTest.Probe" by the probe server). It raises events with by-reference arguments, keeps a
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

#include "platform/com/guid.h"
#include "platform/forms/control.h"

namespace kelvo::console::testing {

inline constexpr std::u16string_view kProbeProgId = u"Console.Probe";
inline constexpr com::CLSID kProbeClsid{0x0C0501E0, 3, 3, {0x4B, 0x45, 0x4C, 0x56, 0x4F, 0x50, 0x52, 0x42}};

// A new probe; the module counter, when given, counts it as a live object.
com::ComPtr<forms::IControl> CreateProbe(com::ModuleCounter* module = nullptr);

// Registers the probe class with the forms container (once per process).
void RegisterProbe();

}  // namespace kelvo::console::testing

#pragma once
// The SDL backend: real windows on the display (X11), with the keyboard,
// the mouse, the clipboard, the blinking caret, pop-up menus, message boxes
// and the beep, and the loop that runs them on the user-interface thread.
//
//   win::InstallSdlBackend();            // throws DisplayUnavailable without a display
//   app.LoadFormFile("demo.frm");
//   win::RunEventLoop([&] { return app.Ended(); });

#include <cstdint>
#include <functional>
#include <stdexcept>

namespace kelvo::win {

// No display could be opened (SDL's reason in what()).
class DisplayUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Opens the display and makes the SDL backend the window system's backend
// (once: while it is installed, later calls keep it). Windows that exist
// already get their screen windows at once.
void InstallSdlBackend();

// Runs the user-interface loop: input to the windows, timers on the real
// clock, posted messages, and the screen repainted where anything changed.
// Returns when `finished` answers true (it may be empty), when no form is
// left, or when the program is asked to quit (a signal). Throws
// std::logic_error when the SDL backend is not installed.
void RunEventLoop(const std::function<bool()>& finished);

// How many pictures of forms and tool windows the SDL backend has put on the
// screen (0 when it is not installed): a loop run until this grows has shown
// what changed.
std::uint64_t PresentedFrames();

}  // namespace kelvo::win

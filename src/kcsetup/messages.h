#pragma once
// The setup program's message boxes, all titled "KelvoControls Setup".

#include <string>
#include <string_view>

#include "platform/win/window_system.h"

namespace kelvo::kcsetup {

inline constexpr std::u16string_view kTitle = u"KelvoControls Setup";

struct Message {
  std::u16string text;
  win::MsgBoxButtons buttons;
  win::MsgBoxIcon icon;
};

Message NoRegistrationTool();                                               // M1
Message NoListFile();                                                       // M2
Message ErrorOccurred(std::u16string_view description);                     // M3
Message ConfirmInstall(std::u16string_view title, std::u16string_view version);    // M4
Message LibraryMissing(std::u16string_view baseName);                       // M5
Message Installed();                                                        // M6
Message ConfirmUninstall(std::u16string_view title, std::u16string_view version);  // M7
Message Uninstalled();                                                      // M8
Message NotInstalled();                                                     // M9

// Shows the message box and returns the answer.
win::MsgBoxResult Show(win::HWND owner, const Message& message);

}  // namespace kelvo::kcsetup

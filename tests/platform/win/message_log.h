#pragma once
// Records what window procedures receive, one line per message:
// "h:Name a b c d >other", e.g. "2:KillFocus 0 0 0 0 >3".

#include <string>
#include <utility>
#include <vector>

#include "platform/win/messages.h"

namespace kelvo::win::test {

inline std::string Describe(HWND hwnd, const Message& m) {
  static const char* const kNames[] = {"SetFocus", "KillFocus", "Activate",  "Size",      "Move",      "Enable",
                                       "KeyDown",  "KeyUp",     "Char",      "AccessKey", "MouseDown", "MouseUp",
                                       "MouseMove", "DblClick", "CaptureLost", "Paint",   "Close"};
  return std::to_string(hwnd) + ":" + kNames[static_cast<int>(m.type)] + " " + std::to_string(m.a) + " " +
         std::to_string(m.b) + " " + std::to_string(m.c) + " " + std::to_string(m.d) + " >" + std::to_string(m.other);
}

class MessageLog {
 public:
  WindowProc Proc() {
    return [this](HWND hwnd, const Message& m) { lines_.push_back(Describe(hwnd, m)); };
  }
  // Everything recorded since the last call.
  std::vector<std::string> Take() { return std::exchange(lines_, {}); }

 private:
  std::vector<std::string> lines_;
};

}  // namespace kelvo::win::test

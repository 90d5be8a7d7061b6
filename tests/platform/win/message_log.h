#pragma once
// Records what window procedures receive, as short readable lines:
// "2:KillFocus other=3", "4:MouseDown 1 0 5 -2".

#include <string>
#include <utility>
#include <vector>

#include "platform/win/messages.h"

namespace kelvo::win::test {

inline const char* MsgName(Msg type) {
  switch (type) {
    case Msg::SetFocus: return "SetFocus";
    case Msg::KillFocus: return "KillFocus";
    case Msg::Activate: return "Activate";
    case Msg::Size: return "Size";
    case Msg::Move: return "Move";
    case Msg::Enable: return "Enable";
    case Msg::KeyDown: return "KeyDown";
    case Msg::KeyUp: return "KeyUp";
    case Msg::Char: return "Char";
    case Msg::AccessKey: return "AccessKey";
    case Msg::MouseDown: return "MouseDown";
    case Msg::MouseUp: return "MouseUp";
    case Msg::MouseMove: return "MouseMove";
    case Msg::DblClick: return "DblClick";
    case Msg::CaptureLost: return "CaptureLost";
    case Msg::Paint: return "Paint";
    case Msg::Close: return "Close";
  }
  return "?";
}

inline std::string Describe(HWND hwnd, const Message& m) {
  std::string s = std::to_string(hwnd) + ":" + MsgName(m.type);
  switch (m.type) {
    case Msg::SetFocus:
    case Msg::KillFocus:
    case Msg::CaptureLost:
      return s + " other=" + std::to_string(m.other);
    case Msg::Activate:
      return s + " " + std::to_string(m.a) + " other=" + std::to_string(m.other);
    case Msg::Size:
    case Msg::Move:
    case Msg::KeyDown:
    case Msg::KeyUp:
      return s + " " + std::to_string(m.a) + " " + std::to_string(m.b);
    case Msg::Enable:
    case Msg::Char:
    case Msg::AccessKey:
      return s + " " + std::to_string(m.a);
    case Msg::MouseDown:
    case Msg::MouseUp:
    case Msg::MouseMove:
    case Msg::DblClick:
      return s + " " + std::to_string(m.a) + " " + std::to_string(m.b) + " " + std::to_string(m.c) + " " +
             std::to_string(m.d);
    case Msg::Paint:
    case Msg::Close:
      return s;
  }
  return s;
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

#pragma once
// A fresh window system per test, with helpers to make windows whose
// messages go to one log.

#include <gtest/gtest.h>

#include "message_log.h"
#include "platform/win/window_system.h"

namespace kelvo::win::test {

inline WindowCreate Params(WindowKind kind, RECT rect, HWND parent = 0, bool visible = true) {
  WindowCreate params;
  params.parent = parent;
  params.kind = kind;
  params.rect = rect;
  params.visible = visible;
  return params;
}

class WindowTest : public ::testing::Test {
 protected:
  HWND Form(RECT rect) { return Make(Params(WindowKind::TopLevel, rect)); }
  HWND Tool(RECT rect) { return Make(Params(WindowKind::Tool, rect)); }
  HWND Child(HWND parent, RECT rect) { return Make(Params(WindowKind::Child, rect, parent)); }
  HWND Make(WindowCreate params) {
    params.proc = log.Proc();
    return ws.Create(params);
  }

  WindowSystem ws;
  MessageLog log;
};

using Lines = std::vector<std::string>;
inline std::string L(HWND hwnd, const Message& m) { return Describe(hwnd, m); }

}  // namespace kelvo::win::test

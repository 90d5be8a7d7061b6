#include "platform/win/tool_window.h"

#include <stdexcept>

#include "platform/win/backend.h"

namespace kelvo::win {

void ToolWindow::Open(const RECT& screen, std::u16string caption, WindowProc proc) {
  Close();
  WindowCreate params;
  params.kind = WindowKind::Tool;
  params.rect = screen;
  params.visible = false;
  params.caption = std::move(caption);
  params.proc = std::move(proc);
  hwnd_ = WindowSystem::Get().Create(params);
}

// The window may already be gone (its procedure closed it from inside).
void ToolWindow::Close() {
  if (hwnd_ == 0) return;
  const HWND hwnd = hwnd_;
  hwnd_ = 0;
  WindowSystem& ws = WindowSystem::Get();
  if (ws.IsWindow(hwnd)) ws.Destroy(hwnd);
}

bool ToolWindow::IsOpen() const { return hwnd_ != 0 && WindowSystem::Get().IsWindow(hwnd_); }

gfx::Surface& ToolWindow::Surface() const {
  if (!IsOpen()) throw std::logic_error("the tool window is closed");
  return WindowSystem::Get().SurfaceOf(hwnd_);
}

RECT ToolWindow::ScreenBounds(POINT at) { return WindowSystem::Get().backend().ScreenBounds(at); }

}  // namespace kelvo::win

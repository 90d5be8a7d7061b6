#pragma once
// A backend for tests that counts what the window system tells it and
// answers dialogs with fixed, possibly impossible, answers.

#include <string>
#include <vector>

#include "platform/win/backend.h"

namespace kelvo::win::test {

struct BackendCounts {
  int created = 0, destroyed = 0, changed = 0, caretChanged = 0, beeps = 0;
};

class RecordingBackend final : public Backend {
 public:
  RecordingBackend(BackendCounts& counts, std::uint64_t startMs = 0) : counts_(counts), now_(startMs) {}
  const char* Name() const override { return "recording"; }
  void WindowCreated(HWND) override { ++counts_.created; }
  void WindowDestroyed(HWND) override { ++counts_.destroyed; }
  void WindowChanged(HWND) override { ++counts_.changed; }
  void CaretChanged() override { ++counts_.caretChanged; }
  std::uint64_t NowMs() const override { return now_; }
  void Advance(std::uint64_t ms) override { now_ += ms; }
  void Beep() override { ++counts_.beeps; }
  std::u16string ClipboardText() override { return clipboard_; }
  void SetClipboardText(const std::u16string& text) override { clipboard_ = text; }
  int RunPopupMenu(HWND, const std::vector<MenuItem>&, POINT) override { return menuAnswer; }
  MsgBoxResult RunMessageBox(HWND, const MessageBoxRecord&) override { return boxAnswer; }

  int menuAnswer = -1;
  MsgBoxResult boxAnswer = MsgBoxResult::OK;

 private:
  BackendCounts& counts_;
  std::uint64_t now_;
  std::u16string clipboard_;
};

}  // namespace kelvo::win::test

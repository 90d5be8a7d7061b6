#pragma once
// A backend with its own clock that answers dialogs with what they could
// not have answered, as a faulty real backend might.

#include "platform/win/backend.h"

namespace kelvo::win::test {

class OddBackend final : public Backend {
 public:
  explicit OddBackend(std::uint64_t startMs) : now_(startMs) {}
  const char* Name() const override { return "odd"; }
  void WindowCreated(HWND) override {}
  void WindowDestroyed(HWND) override {}
  void WindowChanged(HWND) override {}
  void CaretChanged() override {}
  std::uint64_t NowMs() const override { return now_; }
  void Advance(std::uint64_t ms) override { now_ += ms; }
  void Beep() override {}
  std::u16string ClipboardText() override { return {}; }
  void SetClipboardText(const std::u16string&) override {}
  int RunPopupMenu(HWND, const std::vector<MenuItem>&, POINT) override { return 99; }
  MsgBoxResult RunMessageBox(HWND, const MessageBoxRecord&) override { return MsgBoxResult::Yes; }
  RECT ScreenBounds(POINT) const override { return {0, 0, 640, 480}; }

 private:
  std::uint64_t now_;
};

}  // namespace kelvo::win::test

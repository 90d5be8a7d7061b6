#pragma once
// What a backend supplies to the window system. The headless backend keeps
// everything in memory with a virtual clock and scripted answers; the SDL
// backend shows real windows.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/win/window_system.h"

namespace kelvo::win {

class Backend {
 public:
  virtual ~Backend() = default;
  virtual const char* Name() const = 0;

  // Presentation: called after the window system changed a window.
  virtual void WindowCreated(HWND hwnd) = 0;
  virtual void WindowDestroyed(HWND hwnd) = 0;
  virtual void WindowChanged(HWND hwnd) = 0;  // moved, resized, shown, hidden, activated
  virtual void CaretChanged() = 0;

  // Time in milliseconds; the headless clock moves only through Advance.
  virtual std::uint64_t NowMs() const = 0;
  virtual void Advance(std::uint64_t ms) = 0;

  virtual void Beep() = 0;
  // Hands the input already waiting to the windows, without waiting for more
  // (part of the container's DoEvents). The headless backend has none.
  virtual void DeliverWaitingInput() {}
  virtual std::u16string ClipboardText() = 0;
  virtual void SetClipboardText(const std::u16string& text) = 0;
  virtual int RunPopupMenu(HWND owner, const std::vector<MenuItem>& items, POINT screen) = 0;
  virtual MsgBoxResult RunMessageBox(HWND owner, const MessageBoxRecord& box) = 0;
  // The pointer's shape over the program's windows; a backend without a
  // pointer of its own ignores it.
  virtual void PointerShapeChanged(PointerShape /*shape*/) {}
  // The screen area (display) that holds a screen point, in pixels.
  virtual RECT ScreenBounds(POINT at) const = 0;
};

class HeadlessBackend final : public Backend {
 public:
  const char* Name() const override { return "headless"; }
  void WindowCreated(HWND) override {}
  void WindowDestroyed(HWND) override {}
  void WindowChanged(HWND) override {}
  void CaretChanged() override {}

  std::uint64_t NowMs() const override { return now_; }
  void Advance(std::uint64_t ms) override { now_ += ms; }

  void Beep() override {}
  std::u16string ClipboardText() override { return clipboard_; }
  void SetClipboardText(const std::u16string& text) override { clipboard_ = text; }

  // The next pop-up menu answers with this index (-1 dismisses); default dismiss.
  void QueueMenuAnswer(int index) { menuAnswers_.push_back(index); }
  // The next message box answers with this; default its first button.
  void QueueMessageBoxAnswer(MsgBoxResult answer) { boxAnswers_.push_back(answer); }
  int RunPopupMenu(HWND owner, const std::vector<MenuItem>& items, POINT screen) override;
  MsgBoxResult RunMessageBox(HWND owner, const MessageBoxRecord& box) override;
  // One fixed screen of 1024 x 768 pixels.
  RECT ScreenBounds(POINT) const override { return {0, 0, 1024, 768}; }

 private:
  std::uint64_t now_ = 0;
  std::u16string clipboard_;
  std::deque<int> menuAnswers_;
  std::deque<MsgBoxResult> boxAnswers_;
};

}  // namespace kelvo::win

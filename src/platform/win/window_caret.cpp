// The caret, one per thread, as the operating system keeps it.
//
// A new caret starts hidden (show count 0). ShowCaret raises the count by one
// but never above 1: showing a caret that is already shown changes nothing.
// HideCaret lowers it without limit, so hides add up: after two HideCaret
// calls on a shown caret it takes two ShowCaret calls to show it again. The
// caret is drawn while the count is 1. Show and hide requests naming a window
// other than the caret's do nothing; window 0 means the caret's own window.

#include <algorithm>
#include <climits>

#include "platform/win/coordinates.h"
#include "platform/win/window_system_impl.h"

namespace kelvo::win {
namespace {

using CaretMap = std::map<std::thread::id, CaretState>;

CaretState* ThisThreadCaret(CaretMap& carets) {
  auto it = carets.find(std::this_thread::get_id());
  return it == carets.end() ? nullptr : &it->second;
}

// The calling thread's caret when the request is for its window.
CaretState* CaretFor(CaretMap& carets, HWND hwnd) {
  CaretState* caret = ThisThreadCaret(carets);
  return caret != nullptr && (hwnd == 0 || hwnd == caret->window) ? caret : nullptr;
}

int CaretSide(int pixels) { return std::clamp(pixels, 1, kMaxWindowSide); }

}  // namespace

void WindowSystem::CreateCaret(HWND hwnd, int width, int height) {
  Impl& impl = *impl_;
  if (impl.Find(hwnd) == nullptr) return;
  {
    std::lock_guard lock(impl.caretMutex);
    // Width or height 0 is the system's border width, one pixel.
    impl.carets[std::this_thread::get_id()] = {.window = hwnd, .width = CaretSide(width), .height = CaretSide(height)};
  }
  impl.backend->CaretChanged();
}

void WindowSystem::SetCaretPos(int x, int y) {
  Impl& impl = *impl_;
  {
    std::lock_guard lock(impl.caretMutex);
    CaretState* caret = ThisThreadCaret(impl.carets);
    if (caret == nullptr) return;
    const POINT p = ClampPoint({x, y});
    caret->x = p.x;
    caret->y = p.y;
  }
  impl.backend->CaretChanged();
}

void WindowSystem::ShowCaret(HWND hwnd) {
  Impl& impl = *impl_;
  {
    std::lock_guard lock(impl.caretMutex);
    CaretState* caret = CaretFor(impl.carets, hwnd);
    if (caret == nullptr || caret->showCount == 1) return;
    ++caret->showCount;
  }
  impl.backend->CaretChanged();
}

void WindowSystem::HideCaret(HWND hwnd) {
  Impl& impl = *impl_;
  {
    std::lock_guard lock(impl.caretMutex);
    CaretState* caret = CaretFor(impl.carets, hwnd);
    if (caret == nullptr || caret->showCount == INT_MIN) return;
    --caret->showCount;
  }
  impl.backend->CaretChanged();
}

void WindowSystem::DestroyCaret() {
  Impl& impl = *impl_;
  {
    std::lock_guard lock(impl.caretMutex);
    if (impl.carets.erase(std::this_thread::get_id()) == 0) return;
  }
  impl.backend->CaretChanged();
}

CaretState WindowSystem::Caret() const {
  std::lock_guard lock(impl_->caretMutex);
  const CaretState* caret = ThisThreadCaret(impl_->carets);
  return caret == nullptr ? CaretState{} : *caret;
}

bool WindowSystemState::ReleaseCaretsOf(HWND hwnd) {
  std::lock_guard lock(caretMutex);
  return std::erase_if(carets, [hwnd](const auto& entry) { return entry.second.window == hwnd; }) > 0;
}

}  // namespace kelvo::win

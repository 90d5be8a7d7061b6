#include "platform/win/sdl/screen_windows.h"

#include <SDL2/SDL_keyboard.h>

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "platform/base/text.h"
#include "platform/win/compose.h"
#include "platform/win/sdl/caret_blink.h"
#include "platform/win/sdl/present.h"

namespace kelvo::win::sdl {
namespace {

// Late size and place events from SDL are expected for this long after a request.
constexpr std::uint64_t kRequestSettleMs = 1000;

Uint32 FlagsFor(WindowKind kind) {
  if (kind == WindowKind::Tool) {
    return SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_TOOLTIP | SDL_WINDOW_SKIP_TASKBAR |
           SDL_WINDOW_ALWAYS_ON_TOP;
  }
  return SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE;
}

// SDL windows are at least one pixel wide and high.
int Side(int pixels) { return std::max(pixels, 1); }

// FNV-1a over the numbers that make up a window's picture.
class Hash {
 public:
  void Add(std::uint64_t v) {
    for (int i = 0; i < 8; ++i) {
      value_ ^= (v >> (8 * i)) & 0xFF;
      value_ *= 0x100000001B3ull;
    }
  }
  std::uint64_t Value() const { return value_; }

 private:
  std::uint64_t value_ = 0xCBF29CE484222325ull;
};

void AddInts(Hash& hash, std::initializer_list<int> values) {
  for (const int v : values) hash.Add(static_cast<std::uint32_t>(v));
}

void AddWindow(Hash& hash, WindowSystem& ws, HWND hwnd) {
  const RECT r = ws.ClientRect(hwnd);
  hash.Add(hwnd);
  hash.Add(ws.SurfaceOf(hwnd).version());
  AddInts(hash, {r.left, r.top, r.right, r.bottom});
  for (const HWND child : ws.Children(hwnd)) {
    if (ws.IsShown(child) && ws.Kind(child) == WindowKind::Child) AddWindow(hash, ws, child);
  }
}

}  // namespace

ScreenWindows::~ScreenWindows() {
  for (auto& [hwnd, entry] : entries_) SDL_DestroyWindow(entry.window);
}

ScreenWindows::Entry* ScreenWindows::Find(HWND root) {
  auto it = entries_.find(root);
  return it == entries_.end() ? nullptr : &it->second;
}

void ScreenWindows::Created(HWND hwnd, std::uint64_t now) {
  const WindowKind kind = ws_.Kind(hwnd);
  if (ws_.Parent(hwnd) != 0 || kind == WindowKind::Child) return;
  const RECT r = ws_.ClientRect(hwnd);
  Entry entry;
  entry.title = text::ToUtf8(ws_.Caption(hwnd));
  entry.window =
      SDL_CreateWindow(entry.title.c_str(), r.left, r.top, Side(r.Width()), Side(r.Height()), FlagsFor(kind));
  // Without an SDL window the window simply stays off the screen.
  if (entry.window == nullptr) return;
  entry.requested = r;
  entries_.emplace(hwnd, std::move(entry));
  Changed(hwnd, now);
}

void ScreenWindows::Destroyed(HWND hwnd) {
  Entry* entry = Find(hwnd);
  if (entry == nullptr) return;
  const bool hadKeyboard = SDL_GetKeyboardFocus() == entry->window;
  SDL_DestroyWindow(entry->window);
  entries_.erase(hwnd);
  if (hadKeyboard) FocusActive();
}

SDL_Window* ScreenWindows::AnyWindow() const {
  for (const auto& [hwnd, entry] : entries_) {
    if (entry.window != nullptr) return entry.window;
  }
  return nullptr;
}

RECT ScreenWindows::OnScreen(const Entry& entry) {
  int x = 0, y = 0, w = 0, h = 0;
  SDL_GetWindowPosition(entry.window, &x, &y);
  SDL_GetWindowSize(entry.window, &w, &h);
  return {x, y, x + w, y + h};
}

bool ScreenWindows::SamePlace(const RECT& window, const RECT& screen) {
  return window.left == screen.left && window.top == screen.top && Side(window.Width()) == screen.Width() &&
         Side(window.Height()) == screen.Height();
}

void ScreenWindows::Place(HWND root, Entry& entry, std::uint64_t now) {
  const RECT r = ws_.ClientRect(root);
  const RECT before = OnScreen(entry);
  if (SamePlace(r, before)) return;
  if (r.left != before.left || r.top != before.top) {
    entry.placeSettlesAt = now + kRequestSettleMs;
    SDL_SetWindowPosition(entry.window, r.left, r.top);
  }
  if (Side(r.Width()) != before.Width() || Side(r.Height()) != before.Height()) {
    entry.sizeSettlesAt = now + kRequestSettleMs;
    SDL_SetWindowSize(entry.window, Side(r.Width()), Side(r.Height()));
  }
  // SDL waits briefly for the window manager, which may place the window
  // otherwise (inside the screen, below a panel); the window then follows
  // the screen, from the loop, outside this notification.
  entry.requested = OnScreen(entry);
  if (!SamePlace(r, entry.requested)) entry.follow = true;
}

void ScreenWindows::FollowScreen() {
  std::vector<std::pair<HWND, RECT>> moves;
  for (auto& [root, entry] : entries_) {
    if (!entry.follow) continue;
    entry.follow = false;
    moves.emplace_back(root, entry.requested);
  }
  for (const auto& [root, screen] : moves) {
    if (!ws_.IsWindow(root)) continue;
    const RECT r = ws_.ClientRect(root);
    if (SamePlace(r, screen)) continue;
    const int width = Side(r.Width()) == screen.Width() ? r.Width() : screen.Width();
    const int height = Side(r.Height()) == screen.Height() ? r.Height() : screen.Height();
    ws_.Move(root, {screen.left, screen.top, screen.left + width, screen.top + height});
  }
}

void ScreenWindows::ShowOrHide(HWND root, Entry& entry) {
  const RECT r = ws_.ClientRect(root);
  const bool show = ws_.IsShown(root) && r.Width() > 0 && r.Height() > 0;
  const bool shown = (SDL_GetWindowFlags(entry.window) & SDL_WINDOW_SHOWN) != 0;
  if (show && !shown) {
    SDL_ShowWindow(entry.window);
    entry.stale = true;
    // Mapping a window may hand it the keyboard; a tooltip must not keep it.
    if (ws_.Kind(root) == WindowKind::Tool) FocusActive();
  } else if (!show && shown) {
    const bool hadKeyboard = SDL_GetKeyboardFocus() == entry.window;
    SDL_HideWindow(entry.window);
    if (hadKeyboard) FocusActive();
  }
}

void ScreenWindows::Changed(HWND hwnd, std::uint64_t now) {
  Entry* entry = Find(hwnd);
  if (entry == nullptr) return;
  Place(hwnd, *entry, now);
  const std::string title = text::ToUtf8(ws_.Caption(hwnd));
  if (title != entry->title) {
    entry->title = title;
    SDL_SetWindowTitle(entry->window, title.c_str());
  }
  ShowOrHide(hwnd, *entry);
  const bool active = ws_.Active() == hwnd;
  const bool becameActive = active && !entry->wasActive;
  entry->wasActive = active;
  const bool shown = (SDL_GetWindowFlags(entry->window) & SDL_WINDOW_SHOWN) != 0;
  if (becameActive && shown && SDL_GetKeyboardFocus() != entry->window) {
    SDL_RaiseWindow(entry->window);
    SDL_SetWindowInputFocus(entry->window);
  }
}

HWND ScreenWindows::FromId(Uint32 windowId) const {
  for (const auto& [hwnd, entry] : entries_) {
    if (SDL_GetWindowID(entry.window) == windowId) return hwnd;
  }
  return 0;
}

void ScreenWindows::MovedOnScreen(HWND root, int x, int y, std::uint64_t now) {
  Entry* entry = Find(root);
  if (entry == nullptr) return;
  if (now < entry->placeSettlesAt) {
    if (x != entry->requested.left || y != entry->requested.top) return;
    entry->placeSettlesAt = 0;
  }
  const RECT r = ws_.ClientRect(root);
  ws_.Move(root, {x, y, x + r.Width(), y + r.Height()});
}

void ScreenWindows::ResizedOnScreen(HWND root, int width, int height, std::uint64_t now) {
  Entry* entry = Find(root);
  if (entry == nullptr) return;
  if (now < entry->sizeSettlesAt) {
    if (width != Side(entry->requested.Width()) || height != Side(entry->requested.Height())) return;
    entry->sizeSettlesAt = 0;
  }
  entry->stale = true;
  const RECT r = ws_.ClientRect(root);
  // A window of zero size shows as one pixel; that pixel is no resize.
  if (width == Side(r.Width()) && height == Side(r.Height())) return;
  ws_.Move(root, {r.left, r.top, r.left + width, r.top + height});
}

void ScreenWindows::Exposed(HWND root) {
  if (Entry* entry = Find(root)) entry->stale = true;
}

std::uint64_t ScreenWindows::Signature(HWND root, bool caretLit) const {
  Hash hash;
  AddWindow(hash, ws_, root);
  const CaretState caret = ws_.Caret();
  if (caret.Shown() && ws_.TopLevel(caret.window) == root) {
    hash.Add(caret.window);
    AddInts(hash, {caret.x, caret.y, caret.width, caret.height, caretLit ? 1 : 0});
  }
  return hash.Value();
}

void ScreenWindows::PresentChanged(bool caretLit) {
  for (auto& [root, entry] : entries_) {
    if ((SDL_GetWindowFlags(entry.window) & SDL_WINDOW_SHOWN) == 0) continue;
    const std::uint64_t signature = Signature(root, caretLit);
    if (!entry.stale && signature == entry.signature) continue;
    gfx::Image picture = ComposeWindow(root);
    DrawCaret(picture, ws_, root, caretLit);
    if (PresentImage(entry.window, picture)) {
      entry.signature = signature;
      entry.stale = false;
      ++presented_;
    }
  }
}

void ScreenWindows::FocusActive() {
  Entry* entry = Find(ws_.Active());
  if (entry == nullptr || (SDL_GetWindowFlags(entry->window) & SDL_WINDOW_SHOWN) == 0) return;
  if (SDL_GetKeyboardFocus() != entry->window) SDL_SetWindowInputFocus(entry->window);
}

}  // namespace kelvo::win::sdl

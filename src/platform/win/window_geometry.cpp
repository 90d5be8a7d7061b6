// Where windows are: rectangles, visibility and the window under a point.

#include "platform/win/coordinates.h"
#include "platform/win/window_system_impl.h"

namespace kelvo::win {
namespace {

bool SameSize(const RECT& a, const RECT& b) { return a.Width() == b.Width() && a.Height() == b.Height(); }
bool SameCorner(const RECT& a, const RECT& b) { return a.left == b.left && a.top == b.top; }

// The deepest visible child of `hwnd` (or `hwnd` itself) under a point given
// relative to `hwnd`'s parent; later children lie above earlier ones.
HWND DeepestAt(const WindowSystemState& impl, HWND hwnd, POINT p) {
  const Window* w = impl.Find(hwnd);
  if (w == nullptr || !w->visible || !w->rect.Contains(p)) return 0;
  const POINT inner{p.x - w->rect.left, p.y - w->rect.top};
  for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) {
    const Window* child = impl.Find(*it);
    if (child == nullptr || child->kind != WindowKind::Child) continue;
    if (HWND hit = DeepestAt(impl, *it, inner)) return hit;
  }
  return hwnd;
}

bool IsRoot(const Window& w) { return w.kind != WindowKind::Child || w.parent == 0; }

// Windows placed on the screen, topmost first: tool windows, the active
// window, then the others, later ones above earlier ones.
std::vector<HWND> RootsInZOrder(const WindowSystemState& impl) {
  std::vector<HWND> tools, others;
  for (auto it = impl.windows.rbegin(); it != impl.windows.rend(); ++it) {
    const Window& w = it->second;
    if (!IsRoot(w)) continue;
    if (w.kind == WindowKind::Tool) {
      tools.push_back(w.handle);
    } else if (w.handle != impl.active) {
      others.push_back(w.handle);
    }
  }
  if (impl.active != 0) tools.push_back(impl.active);
  tools.insert(tools.end(), others.begin(), others.end());
  return tools;
}

}  // namespace

void WindowSystem::Move(HWND hwnd, const RECT& rect) {
  Impl& impl = *impl_;
  Window* w = impl.Find(hwnd);
  if (w == nullptr) return;
  const RECT old = w->rect;
  const RECT now = ClampRect(rect);
  if (old == now) return;
  w->rect = now;
  if (!SameSize(old, now)) w->surface->Resize(now.Width(), now.Height());
  impl.backend->WindowChanged(hwnd);
  if (!SameSize(old, now)) impl.Deliver(hwnd, {.type = Msg::Size, .a = now.Width(), .b = now.Height()});
  if (SameCorner(old, now)) return;
  // The Size handler may have moved or destroyed the window meanwhile.
  w = impl.Find(hwnd);
  if (w == nullptr) return;
  impl.Deliver(hwnd, {.type = Msg::Move, .a = w->rect.left, .b = w->rect.top});
}

RECT WindowSystem::ClientRect(HWND hwnd) const {
  const Window* w = impl_->Find(hwnd);
  return w == nullptr ? RECT{} : w->rect;
}

RECT WindowSystem::ScreenRect(HWND hwnd) const {
  const Window* w = impl_->Find(hwnd);
  if (w == nullptr) return {};
  const POINT origin = impl_->ScreenOrigin(hwnd);
  return {origin.x, origin.y, origin.x + w->rect.Width(), origin.y + w->rect.Height()};
}

void WindowSystem::Show(HWND hwnd, bool visible) {
  Window* w = impl_->Find(hwnd);
  if (w == nullptr || w->visible == visible) return;
  w->visible = visible;
  impl_->backend->WindowChanged(hwnd);
}

bool WindowSystem::IsVisible(HWND hwnd) const {
  const Window* w = impl_->Find(hwnd);
  if (w == nullptr) return false;
  for (; w != nullptr; w = w->kind == WindowKind::Child ? impl_->Find(w->parent) : nullptr) {
    if (!w->visible) return false;
  }
  return true;
}

bool WindowSystem::IsShown(HWND hwnd) const {
  const Window* w = impl_->Find(hwnd);
  return w != nullptr && w->visible;
}

HWND WindowSystem::WindowAt(POINT screen) const {
  const POINT p = ClampPoint(screen);
  for (HWND root : RootsInZOrder(*impl_)) {
    if (HWND hit = DeepestAt(*impl_, root, p)) return hit;
  }
  return 0;
}

}  // namespace kelvo::win

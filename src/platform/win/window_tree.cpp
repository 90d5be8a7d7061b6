// Creating and destroying windows, and what a window is: parent, children,
// procedure, caption and surface.

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/win/coordinates.h"
#include "platform/win/window_system_impl.h"

namespace kelvo::win {
namespace {

// The window and everything below it, parents before their children.
std::vector<HWND> Subtree(const WindowSystemState& impl, HWND root) {
  std::vector<HWND> order{root};
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (const Window* w = impl.Find(order[i])) order.insert(order.end(), w->children.begin(), w->children.end());
  }
  return order;
}

}  // namespace

HWND WindowSystem::Create(const WindowCreate& params) {
  Impl& impl = *impl_;
  if (params.parent != 0 && impl.Find(params.parent) == nullptr) return 0;
  Window window;
  window.handle = ++impl.lastHandle;
  window.parent = params.parent;
  window.kind = params.kind;
  window.rect = ClampRect(params.rect);
  window.visible = params.visible;
  window.enabled = params.enabled;
  window.caption = params.caption;
  window.proc = params.proc;
  window.surface = std::make_unique<gfx::Surface>(window.rect.Width(), window.rect.Height(), impl.twipsPerPixel,
                                                  impl.twipsPerPixel);
  const HWND handle = window.handle;
  impl.windows.emplace(handle, std::move(window));
  if (Window* parent = impl.Find(params.parent)) parent->children.push_back(handle);
  impl.backend->WindowCreated(handle);
  return handle;
}

void WindowSystem::Destroy(HWND hwnd) {
  Impl& impl = *impl_;
  if (impl.Find(hwnd) == nullptr) return;
  if (Window* parent = impl.Find(impl.Find(hwnd)->parent)) std::erase(parent->children, hwnd);
  const std::vector<HWND> doomed = Subtree(impl, hwnd);
  // Children first; nothing here calls a window procedure.
  for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
    const HWND h = *it;
    if (impl.focus == h) impl.focus = 0;
    if (impl.capture == h) impl.capture = 0;
    if (impl.active == h) impl.active = 0;
    if (impl.ReleaseCaretsOf(h)) impl.backend->CaretChanged();
    impl.windows.erase(h);
    impl.backend->WindowDestroyed(h);
  }
}

bool WindowSystem::IsWindow(HWND hwnd) const { return impl_->Find(hwnd) != nullptr; }

HWND WindowSystem::Parent(HWND hwnd) const {
  const Window* w = impl_->Find(hwnd);
  return w == nullptr ? 0 : w->parent;
}

HWND WindowSystem::TopLevel(HWND hwnd) const {
  const Window* w = impl_->Find(hwnd);
  if (w == nullptr) return 0;
  while (w->kind == WindowKind::Child) {
    const Window* parent = impl_->Find(w->parent);
    if (parent == nullptr) break;
    w = parent;
  }
  return w->handle;
}

std::vector<HWND> WindowSystem::Children(HWND hwnd) const {
  const Window* w = impl_->Find(hwnd);
  return w == nullptr ? std::vector<HWND>{} : w->children;
}

void WindowSystem::SetProc(HWND hwnd, WindowProc proc) {
  if (Window* w = impl_->Find(hwnd)) w->proc = std::move(proc);
}

void WindowSystem::SetCaption(HWND hwnd, std::u16string caption) {
  Window* w = impl_->Find(hwnd);
  if (w == nullptr) return;
  w->caption = std::move(caption);
  impl_->backend->WindowChanged(hwnd);
}

std::u16string WindowSystem::Caption(HWND hwnd) const {
  const Window* w = impl_->Find(hwnd);
  return w == nullptr ? std::u16string() : w->caption;
}

gfx::Surface& WindowSystem::SurfaceOf(HWND hwnd) {
  Window* w = impl_->Find(hwnd);
  if (w == nullptr) throw std::invalid_argument("SurfaceOf: no window with handle " + std::to_string(hwnd));
  return *w->surface;
}

}  // namespace kelvo::win

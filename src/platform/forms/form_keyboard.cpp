// The form's focus bookkeeping and its own keyboard handling: Tab and
// Shift+Tab in TabIndex order, Alt+letter access keys, Enter for the Default
// control and Escape for the Cancel control.

#include <algorithm>
#include <unordered_map>

#include "platform/base/text.h"
#include "platform/forms/form_impl.h"
#include "platform/win/window_system.h"

namespace kelvo::forms {
namespace {

win::WindowSystem& Ws() { return win::WindowSystem::Get(); }

constexpr int kVkTab = 9;
constexpr int kVkReturn = 13;
constexpr int kVkEscape = 27;
constexpr int kShiftKey = 1;
constexpr int kCtrlOrAlt = 2 | 4;

bool TabCandidate(const ControlSite* s) { return s->TabStop() && s->CanTakeFocus(); }

}  // namespace

ControlSite* FormImpl::FocusedSite() const { return static_cast<ControlSite*>(FromHwnd(Ws().Focus())); }

void FormImpl::OnControlGotFocus(ControlSite& site) {
  active_ = &site;
  if (frame_ != nullptr) frame_->SetActiveChild(this);
  UpdateDisplayedDefault();
  site.NotifyFocus(true);
}

void FormImpl::OnControlLostFocus(ControlSite& site) {
  site.NotifyFocus(false);
  UpdateDisplayedDefault();
}

ControlSite* FormImpl::NextInTabOrder(ControlSite* from, bool backwards) const {
  const int n = static_cast<int>(tabOrder_.size());
  if (n == 0) return nullptr;
  int start = backwards ? 0 : n - 1;  // with no control to start from: the first (or the last) one
  if (from != nullptr) {
    const auto it = std::find(tabOrder_.begin(), tabOrder_.end(), from);
    if (it != tabOrder_.end()) start = static_cast<int>(it - tabOrder_.begin());
  }
  for (int step = 1; step <= n; ++step) {
    const int i = ((start + (backwards ? -step : step)) % n + n) % n;
    if (TabCandidate(tabOrder_[static_cast<std::size_t>(i)])) return tabOrder_[static_cast<std::size_t>(i)];
  }
  return nullptr;
}

void FormImpl::FocusFirstControl() {
  if (ControlSite* first = NextInTabOrder(nullptr, false)) Ws().SetFocus(first->Hwnd());
}

void FormImpl::FocusActiveControl() {
  if (design_ || FocusedSite() != nullptr) return;
  if (active_ != nullptr && active_->CanTakeFocus()) Ws().SetFocus(active_->Hwnd());
}

ControlSite* FormImpl::DefaultTarget(const ControlSite* focused, int key) const {
  ControlSite* target = nullptr;
  if (key == kVkReturn) {
    // A focused button takes Enter itself.
    if (focused != nullptr && focused->ActsLikeButton()) return nullptr;
    target = defaultSite_;
  } else if (key == kVkEscape) {
    target = cancelSite_;
  }
  return target != nullptr && target->Usable() ? target : nullptr;
}

bool FormImpl::HandleKeyDown(ControlSite* focused, int vk, int shift) {
  swallowChar_ = -1;
  if (design_ || (shift & kCtrlOrAlt) != 0) return false;
  if (vk == kVkTab) {
    swallowChar_ = kVkTab;
    if (ControlSite* next = NextInTabOrder(focused, (shift & kShiftKey) != 0)) Ws().SetFocus(next->Hwnd());
    return true;
  }
  if (vk != kVkReturn && vk != kVkEscape) return false;
  ControlSite* target = DefaultTarget(focused, vk);
  if (target == nullptr) return false;
  swallowChar_ = vk;
  target->AccessKeyPress(static_cast<std::int16_t>(vk));
  return true;
}

bool FormImpl::SwallowChar(int code) {
  const bool swallow = swallowChar_ == code;
  swallowChar_ = -1;
  return swallow;
}

FormImpl* FormImpl::KeyboardForm() {
  if (kind_ != FormKind::MDIFrame) return this;
  FormImpl* owner = nullptr;
  for (const auto& f : app_.forms) {
    if (f->frame_ == this && f->FocusedSite() != nullptr) owner = f.get();
  }
  return owner != nullptr ? owner : this;
}

void FormImpl::HandleAccessKey(int code) {
  if (design_) return;
  FormImpl* form = KeyboardForm();
  if (form != this) return form->HandleAccessKey(code);
  const char16_t key = text::UpperAnsi(static_cast<char16_t>(code));
  const int n = static_cast<int>(tabOrder_.size());
  ControlSite* focused = FocusedSite();
  const auto at = std::find(tabOrder_.begin(), tabOrder_.end(), focused);
  const int start = at == tabOrder_.end() ? n - 1 : static_cast<int>(at - tabOrder_.begin());
  // The next control after the focused one whose access keys hold the letter.
  for (int step = 1; step <= n; ++step) {
    ControlSite* s = tabOrder_[static_cast<std::size_t>((start + step) % n)];
    if (!s->Usable() || s->AccessKeys().find(key) == std::u16string::npos) continue;
    if (s->CanTakeFocus()) {
      Ws().SetFocus(s->Hwnd());
    } else if (s->ActsLikeLabel()) {
      // A label hands the focus to the control after it in the tab order.
      if (ControlSite* next = NextInTabOrder(s, false)) Ws().SetFocus(next->Hwnd());
    }
    s->AccessKeyPress(static_cast<std::int16_t>(code));
    return;
  }
}

ControlSite* FormImpl::DisplayedDefaultNow() const {
  ControlSite* focused = FocusedSite();
  if (focused != nullptr && focused->ActsLikeButton()) return focused;
  return defaultSite_;
}

bool FormImpl::DisplaysAsDefault(const ControlSite& site) const { return DisplayedDefaultNow() == &site; }

void FormImpl::UpdateDisplayedDefault() {
  ControlSite* now = DisplayedDefaultNow();
  if (now == displayedDefault_) return;
  ControlSite* old = displayedDefault_;
  displayedDefault_ = now;
  if (old != nullptr) old->NotifyAmbient(u"DisplayAsDefault");
  if (now != nullptr) now->NotifyAmbient(u"DisplayAsDefault");
}

void FormImpl::SetDefaultControl(ControlSite* site, bool value) {
  if (value) {
    if (defaultSite_ != nullptr && defaultSite_ != site) defaultSite_->SetDefaultFlag(false);
    defaultSite_ = site;
  } else if (defaultSite_ == site) {
    defaultSite_ = nullptr;
  }
  site->SetDefaultFlag(value);
  UpdateDisplayedDefault();
}

void FormImpl::SetCancelControl(ControlSite* site, bool value) {
  if (value) {
    if (cancelSite_ != nullptr && cancelSite_ != site) cancelSite_->SetCancelFlag(false);
    cancelSite_ = site;
  } else if (cancelSite_ == site) {
    cancelSite_ = nullptr;
  }
  site->SetCancelFlag(value);
}

std::int16_t FormImpl::TabIndexOf(const ControlSite& site) const {
  const auto it = std::find(tabOrder_.begin(), tabOrder_.end(), &site);
  return static_cast<std::int16_t>(it - tabOrder_.begin());
}

void FormImpl::MoveInTabOrder(ControlSite& site, std::int16_t index) {
  std::erase(tabOrder_, &site);
  const std::size_t at = std::min(static_cast<std::size_t>(std::max<std::int16_t>(index, 0)), tabOrder_.size());
  tabOrder_.insert(tabOrder_.begin() + static_cast<std::ptrdiff_t>(at), &site);
}

void FormImpl::ApplyTabIndices(const std::vector<std::pair<ControlSite*, int>>& wanted) {
  std::unordered_map<const ControlSite*, int> indexOf;
  for (const auto& [site, index] : wanted) indexOf.emplace(site, index);
  auto key = [&indexOf](const ControlSite* s) {
    const auto it = indexOf.find(s);
    return it != indexOf.end() ? it->second : 0x7FFFFFFF;
  };
  std::stable_sort(tabOrder_.begin(), tabOrder_.end(),
                   [&key](const ControlSite* a, const ControlSite* b) { return key(a) < key(b); });
}

}  // namespace kelvo::forms

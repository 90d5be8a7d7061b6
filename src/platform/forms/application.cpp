// The application: its forms, the current form, the listeners and the end.

#include <algorithm>

#include "platform/com/error.h"
#include "platform/forms/app_impl.h"
#include "platform/forms/extender.h"
#include "platform/forms/form_impl.h"
#include "platform/win/window_system.h"

namespace kelvo::forms {
namespace {

Application*& CurrentApplication() {
  static Application* current = nullptr;
  return current;
}

FormImpl& AsImpl(Form& form) { return dynamic_cast<FormImpl&>(form); }

// The previous current application, restored when this one goes.
std::vector<Application*>& ApplicationStack() {
  static std::vector<Application*> stack;
  return stack;
}

}  // namespace

void Application::Impl::NotifyEvent(ControlSite& site, std::u16string_view event, std::span<com::Variant> args) {
  const std::vector<EventListener*> copy = listeners;
  for (EventListener* l : copy) l->OnEvent(site, event, args);
  FormImpl& form = site.OwnerForm();
  // Form code does not run while the form is being designed.
  if (form.Handler() != nullptr && !form.DesignMode()) form.Handler()->OnEvent(site, event, args);
}

void Application::Impl::NotifyPropertyChanged(ControlSite& site, std::u16string_view property) {
  const std::vector<EventListener*> copy = listeners;
  for (EventListener* l : copy) l->OnPropertyChanged(site, property);
  FormImpl& form = site.OwnerForm();
  if (form.Handler() != nullptr) form.Handler()->OnPropertyChanged(site, property);
}

void Application::Impl::NotifyForm(FormImpl& form, std::u16string_view event) {
  const std::vector<EventListener*> copy = listeners;
  for (EventListener* l : copy) l->OnFormEvent(form, event);
  if (form.Handler() != nullptr && !form.DesignMode()) form.Handler()->OnFormEvent(form, event);
}

bool Application::Impl::QueryUnload(FormImpl& form, std::int16_t unloadMode) {
  std::int16_t cancel = 0;
  const std::vector<EventListener*> copy = listeners;
  for (EventListener* l : copy) l->OnQueryUnload(form, cancel, unloadMode);
  if (form.Handler() != nullptr && !form.DesignMode()) form.Handler()->OnQueryUnload(form, cancel, unloadMode);
  return cancel == 0;
}

void Application::Impl::Unload(FormImpl& form, bool fireUnload) {
  Busy busy(*this);
  const auto it = std::find_if(forms.begin(), forms.end(), [&form](const auto& f) { return f.get() == &form; });
  if (it == forms.end()) return;
  // MDI children go with their frame.
  std::vector<FormImpl*> children;
  for (const auto& f : forms) {
    if (f->MDIFrame() == &form) children.push_back(f.get());
  }
  for (FormImpl* child : children) Unload(*child, fireUnload);
  if (fireUnload) NotifyForm(form, u"Unload");
  const auto again = std::find_if(forms.begin(), forms.end(), [&form](const auto& f) { return f.get() == &form; });
  if (again == forms.end()) return;  // the Unload handler unloaded it already
  std::unique_ptr<FormImpl> owned = std::move(*again);
  forms.erase(again);
  if (current == &form) current = nullptr;
  if (auto* frame = dynamic_cast<FormImpl*>(form.MDIFrame())) frame->ForgetChild(&form);
  owned->TerminateAll();
  win::WindowSystem::Get().Show(owned->Hwnd(), false);
  Bury(std::move(owned));
}

void Application::Impl::Bury(std::unique_ptr<FormImpl> form) { buriedForms_.push_back(std::move(form)); }
void Application::Impl::Bury(std::unique_ptr<ControlSite> site) { buriedSites_.push_back(std::move(site)); }

void Application::Impl::Leave() {
  if (--busy_ == 0) Flush();
}

void Application::Impl::Flush() {
  // Destroying may run code (a control's destructor) that buries more.
  while (!buriedSites_.empty() || !buriedForms_.empty()) {
    std::vector<std::unique_ptr<ControlSite>> sites = std::move(buriedSites_);
    std::vector<std::unique_ptr<FormImpl>> doomed = std::move(buriedForms_);
    buriedSites_.clear();
    buriedForms_.clear();
    for (auto& s : sites) s->DestroyWindow();
    sites.clear();
    doomed.clear();
  }
}

Application::Application() : impl_(std::make_unique<Impl>(*this)) {
  ApplicationStack().push_back(CurrentApplication());
  CurrentApplication() = this;
}

Application::~Application() {
  {
    Busy busy(*impl_);
    while (!impl_->forms.empty()) impl_->Unload(*impl_->forms.back(), false);
  }
  CurrentApplication() = ApplicationStack().back();
  ApplicationStack().pop_back();
}

Application* Application::Current() { return CurrentApplication(); }

Form& Application::CreateForm(std::u16string_view name, const FormOptions& options) {
  Busy busy(*impl_);
  if (name.empty()) throw com::Error(com::err::kInvalidCall, u"A form needs a name");
  if (FindForm(name) != nullptr) {
    throw com::Error(com::err::kInvalidCall, u"A form named " + std::u16string(name) + u" is already loaded");
  }
  impl_->forms.push_back(std::make_unique<FormImpl>(*impl_, std::u16string(name), options));
  FormImpl& form = *impl_->forms.back();
  impl_->current = &form;
  impl_->NotifyForm(form, u"Load");
  if (options.show) {
    form.Show();
    form.Activate();
  }
  return form;
}

void Application::UnloadForm(Form& form) {
  constexpr std::int16_t kFromCode = 1;
  if (impl_->QueryUnload(AsImpl(form), kFromCode)) impl_->Unload(AsImpl(form), true);
}

Form* Application::FindForm(std::u16string_view name) const {
  for (const auto& f : impl_->forms) {
    if (com::NamesEqual(f->Name(), name)) return f.get();
  }
  return nullptr;
}

Form* Application::FormOf(win::HWND hwnd) const {
  const win::WindowSystem& ws = win::WindowSystem::Get();
  // The innermost form: an embedded or MDI child form before the window it sits in.
  for (win::HWND h = hwnd; h != 0; h = ws.Parent(h)) {
    for (const auto& f : impl_->forms) {
      if (f->Hwnd() == h) return f.get();
    }
  }
  return nullptr;
}

std::vector<Form*> Application::Forms() const {
  std::vector<Form*> out;
  for (const auto& f : impl_->forms) out.push_back(f.get());
  return out;
}

Form* Application::CurrentForm() const { return impl_->current; }

void Application::SetCurrentForm(Form* form) { impl_->current = form != nullptr ? &AsImpl(*form) : nullptr; }

void Application::Activate(Form* form) {
  Busy busy(*impl_);
  if (form == nullptr) {
    win::WindowSystem::Get().Activate(0);
  } else {
    form->Activate();
  }
}

void Application::AddListener(EventListener* listener) {
  if (std::find(impl_->listeners.begin(), impl_->listeners.end(), listener) == impl_->listeners.end()) {
    impl_->listeners.push_back(listener);
  }
}

void Application::RemoveListener(EventListener* listener) { std::erase(impl_->listeners, listener); }

Control* Application::ControlOf(com::IDispatch* object) const {
  if (object == nullptr) return nullptr;
  const com::ComPtr<com::IDispatch> held(object);
  if (const auto ext = com::QueryAs<IExtender>(held, IID_IExtender)) {
    ControlSite* site = ext->Site();
    return site != nullptr && !site->Stopped() ? site : nullptr;
  }
  const auto identity = com::QueryAs<com::IUnknown>(held, com::IID_IUnknown);
  for (const auto& f : impl_->forms) {
    for (const auto& s : f->Sites()) {
      if (com::QueryAs<com::IUnknown>(s->Object(), com::IID_IUnknown) == identity) return s.get();
    }
  }
  return nullptr;
}

void Application::End() {
  Busy busy(*impl_);
  impl_->ended = true;
  while (!impl_->forms.empty()) impl_->Unload(*impl_->forms.back(), false);
}

bool Application::Ended() const { return impl_->ended; }

}  // namespace kelvo::forms

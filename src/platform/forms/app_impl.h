#pragma once
// The application's state behind forms::Application, and the guard that
// defers destruction while a notification is running: a control or form
// removed from inside one of its own events stays alive (its window hidden,
// its extender detached) until the outermost delivery returns.

#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "platform/forms/application.h"

namespace kelvo::forms {

class FormImpl;
class ControlSite;

struct Application::Impl {
  explicit Impl(Application& app) : self(app) {}

  Application& self;
  std::vector<std::unique_ptr<FormImpl>> forms;  // creation order
  FormImpl* current = nullptr;
  std::vector<EventListener*> listeners;
  bool ended = false;

  void NotifyEvent(ControlSite& site, std::u16string_view event, std::span<com::Variant> args);
  void NotifyPropertyChanged(ControlSite& site, std::u16string_view property);
  void NotifyForm(FormImpl& form, std::u16string_view event);
  // Whether the listeners and the form's code let the form unload.
  bool QueryUnload(FormImpl& form, std::int16_t unloadMode);

  // Takes a form out of the application; destroyed once no delivery runs.
  void Unload(FormImpl& form, bool fireUnload);
  void Bury(std::unique_ptr<FormImpl> form);
  void Bury(std::unique_ptr<ControlSite> site);

  void Enter() { ++busy_; }
  void Leave();

 private:
  void Flush();

  int busy_ = 0;
  std::vector<std::unique_ptr<FormImpl>> buriedForms_;
  std::vector<std::unique_ptr<ControlSite>> buriedSites_;
};

// Marks a delivery in progress for its scope.
class Busy {
 public:
  explicit Busy(Application::Impl& app) : app_(app) { app_.Enter(); }
  ~Busy() { app_.Leave(); }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  Application::Impl& app_;
};

}  // namespace kelvo::forms

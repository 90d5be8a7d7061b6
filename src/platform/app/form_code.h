#pragma once
// A form's code: the handlers bound to its controls' events and to its own,
// called by the container as the form's handler.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/app/events.h"
#include "platform/forms/application.h"

namespace kelvo::app {

class FormCode : public forms::EventListener {
 public:
  FormCode(forms::Application& app, forms::Form& form);

  // The form, or nullptr once it has unloaded (by its code, its close box or
  // the application's End, which raises no Unload).
  forms::Form* form() const;
  const std::u16string& name() const { return name_; }

  // Binds (or rebinds) after checking the handler against the event's
  // declaration; throws app::Error naming the control (or form) and the event.
  void BindControl(forms::Control& control, std::u16string_view event, BoundHandler handler);
  void BindForm(std::u16string_view event, BoundHandler handler);

  void OnEvent(forms::Control& control, std::u16string_view event, std::span<com::Variant> args) override;
  void OnFormEvent(forms::Form& form, std::u16string_view event) override;
  void OnQueryUnload(forms::Form& form, std::int16_t& cancel, std::int16_t unloadMode) override;

 private:
  struct Binding {
    forms::Control* control;  // nullptr for the form's own events
    std::u16string event;
    std::shared_ptr<BoundHandler> handler;
  };
  void Store(forms::Control* control, std::u16string_view event, BoundHandler handler);
  void Call(forms::Control* control, std::u16string_view event, std::span<com::Variant> args) const;

  forms::Application& app_;
  forms::Form* form_;
  std::u16string name_;
  std::vector<Binding> bindings_;
};

// The declaration of a form event (Load, Activate, Deactivate, Resize, Unload,
// QueryUnload), or nullptr.
const com::EventInfo* FormEvent(std::u16string_view event);
// Checks a handler against a declaration; throws app::Error (450 for a wrong
// count, 13 for a wrong type) with the event's signature in its description.
void CheckHandler(const com::EventInfo* declared, std::u16string_view event, const BoundHandler& handler,
                  std::u16string_view owner);

}  // namespace kelvo::app

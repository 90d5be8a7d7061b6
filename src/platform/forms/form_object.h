#pragma once
// A form's dispatch object for late binding: Name, Caption, hwnd, MDIChild,
// Controls, ActiveControl, sizes, BackColor, Font, Show and Hide, and every
// control of the form by its name (an array element by its index). Once the
// form is unloaded it answers 364.

#include "platform/com/object.h"
#include "platform/com/typeinfo.h"

namespace kelvo::forms {

class FormImpl;

// The members the form publishes (BackColor typed as a colour).
const com::InterfaceInfo& FormInterface();

class FormObject final : public com::Object<com::IDispatch> {
 public:
  explicit FormObject(FormImpl& form) : form_(&form) {}
  void Detach() { form_ = nullptr; }
  // The form, or error 364 once it is unloaded.
  FormImpl& Live() const;

  const com::InterfaceInfo* GetTypeInfo() override { return &FormInterface(); }
  com::Variant Invoke(std::u16string_view name, com::InvokeKind kind, std::span<com::Variant> args) override;

 private:
  FormImpl* form_;
};

}  // namespace kelvo::forms

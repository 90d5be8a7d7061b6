#pragma once
// The extender object: what form code sees of a control. It answers the
// properties the form keeps for every control (Name, Left, Top, Width,
// Height, Visible, TabIndex, TabStop, ToolTipText, Align, Default, Cancel,
// Tag, Index, Parent, Container, Object) and forwards every other member to
// the control's own dispatch. Once the control is unloaded it answers 364.

#include "platform/com/object.h"
#include "platform/forms/control_site.h"

namespace kelvo::forms {

extern const com::IID IID_IExtender;

class IExtender : public com::IDispatch {
 public:
  virtual ControlSite* Site() const = 0;

 protected:
  ~IExtender() = default;
};

inline const com::IID& InterfaceIdOf(std::type_identity<IExtender>) { return IID_IExtender; }

class ExtenderObject final : public com::Object<IExtender> {
 public:
  explicit ExtenderObject(ControlSite& site) : site_(&site) {}

  ControlSite* Site() const override { return site_; }
  void Detach() { site_ = nullptr; }

  const com::InterfaceInfo* GetTypeInfo() override;
  com::Variant Invoke(std::u16string_view name, com::InvokeKind kind, std::span<com::Variant> args) override;

 private:
  ControlSite& Live() const;
  ControlSite* site_;
};

// Error 364: the control behind an extender or a form behind its object is gone.
[[noreturn]] void ThrowUnloaded();

}  // namespace kelvo::forms

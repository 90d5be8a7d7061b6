#include "platform/app/form_code.h"

#include <algorithm>
#include <utility>

#include "platform/app/app.h"

namespace kelvo::app {
namespace {

com::EventInfo Declare(std::u16string name, std::vector<com::ParamInfo> params = {}) {
  return com::EventInfo{std::move(name), std::move(params)};
}

// The container raises GotFocus and LostFocus for every control, declared by
// its class or not.
const com::EventInfo* ContainerEvent(std::u16string_view event) {
  static const com::EventInfo kEvents[] = {Declare(u"GotFocus"), Declare(u"LostFocus")};
  for (const com::EventInfo& e : kEvents) {
    if (com::NamesEqual(e.name, event)) return &e;
  }
  return nullptr;
}

const com::EventInfo* ControlEvent(const forms::Control& control, std::u16string_view event) {
  const com::EventInterfaceInfo* events = control.ClassInfo().eventInterface;
  const com::EventInfo* declared = events != nullptr ? events->Find(event) : nullptr;
  return declared != nullptr ? declared : ContainerEvent(event);
}

}  // namespace

const com::EventInfo* FormEvent(std::u16string_view event) {
  const com::TypeRef integer{com::TypeKind::Integer, {}};
  static const com::EventInfo kEvents[] = {
      Declare(u"Load"),
      Declare(u"Activate"),
      Declare(u"Deactivate"),
      Declare(u"Resize"),
      Declare(u"Unload"),
      Declare(u"QueryUnload", {{u"Cancel", integer, true, false}, {u"UnloadMode", integer, false, false}}),
  };
  for (const com::EventInfo& e : kEvents) {
    if (com::NamesEqual(e.name, event)) return &e;
  }
  return nullptr;
}

void CheckHandler(const com::EventInfo* declared, std::u16string_view event, const BoundHandler& handler,
                  std::u16string_view owner) {
  if (declared == nullptr) {
    throw Error(com::Error(com::err::kNoSuchMember, u"No event " + std::u16string(event)), std::u16string(owner),
                std::u16string(event));
  }
  const std::u16string misfit = Misfit(*declared, handler.params);
  if (misfit.empty()) return;
  const std::int32_t number =
      handler.params.size() != declared->params.size() ? com::err::kWrongArguments : com::err::kTypeMismatch;
  throw Error(
      com::Error(number, com::StandardDescription(number) + u": " + misfit + u"; the event is " + Signature(*declared)),
      std::u16string(owner), declared->name);
}

FormCode::FormCode(forms::Application& app, forms::Form& form) : app_(app), form_(&form), name_(form.Name()) {
  form.SetHandler(this);
}

forms::Form* FormCode::form() const {
  if (form_ == nullptr) return nullptr;
  const std::vector<forms::Form*> loaded = app_.Forms();
  return std::find(loaded.begin(), loaded.end(), form_) != loaded.end() ? form_ : nullptr;
}

void FormCode::BindControl(forms::Control& control, std::u16string_view event, BoundHandler handler) {
  CheckHandler(ControlEvent(control, event), event, handler, control.RefName());
  Store(&control, event, std::move(handler));
}

void FormCode::BindForm(std::u16string_view event, BoundHandler handler) {
  CheckHandler(FormEvent(event), event, handler, name_);
  Store(nullptr, event, std::move(handler));
}

void FormCode::Store(forms::Control* control, std::u16string_view event, BoundHandler handler) {
  auto shared = std::make_shared<BoundHandler>(std::move(handler));
  for (Binding& b : bindings_) {
    if (b.control == control && com::NamesEqual(b.event, event)) {
      b.handler = std::move(shared);
      return;
    }
  }
  bindings_.push_back({control, std::u16string(event), std::move(shared)});
}

// The handler is kept alive through its call: it may rebind its own event.
void FormCode::Call(forms::Control* control, std::u16string_view event, std::span<com::Variant> args) const {
  for (const Binding& b : bindings_) {
    if (b.control == control && com::NamesEqual(b.event, event)) {
      const std::shared_ptr<BoundHandler> handler = b.handler;
      handler->call(args);
      return;
    }
  }
}

void FormCode::OnEvent(forms::Control& control, std::u16string_view event, std::span<com::Variant> args) {
  Call(&control, event, args);
}

void FormCode::OnFormEvent(forms::Form& /*form*/, std::u16string_view event) {
  Call(nullptr, event, {});
  if (com::NamesEqual(event, u"Unload")) form_ = nullptr;
}

void FormCode::OnQueryUnload(forms::Form& /*form*/, std::int16_t& cancel, std::int16_t unloadMode) {
  com::Variant args[] = {com::Variant::Integer(cancel), com::Variant::Integer(unloadMode)};
  Call(nullptr, u"QueryUnload", args);
  cancel = args[0].ToInteger();
}

}  // namespace kelvo::app

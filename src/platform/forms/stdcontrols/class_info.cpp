// Building a standard control's type information.

#include "platform/forms/stdcontrols/class_info.h"

#include <utility>

namespace kelvo::forms::stdcontrols {

struct ClassBuilder::Data {
  com::InterfaceInfo iface;
  com::EventInterfaceInfo events;
  com::CoClassInfo coclass;
};

namespace {

// Built classes stay for the life of the process (controls point at them).
std::vector<std::unique_ptr<ClassBuilder::Data>>& Built();

}  // namespace

ClassBuilder::ClassBuilder(std::u16string name, std::string_view clsid, std::uint32_t miscStatus)
    : data_(std::make_unique<Data>()) {
  data_->iface.name = u"_" + name;
  data_->iface.flags = com::interface_flags::kHidden | com::interface_flags::kDual;
  data_->events.name = u"__" + name;
  data_->events.flags = com::interface_flags::kHidden | com::interface_flags::kDispatchOnly;
  data_->coclass.name = std::move(name);
  data_->coclass.clsid = com::MakeGuid(clsid);
  data_->coclass.isControl = true;
  data_->coclass.miscStatus = miscStatus;
}

ClassBuilder::~ClassBuilder() = default;

ClassBuilder& ClassBuilder::Prop(std::u16string name, com::TypeKind type) {
  ReadOnly(name, type);
  data_->iface.members.push_back({std::move(name), com::MemberKind::PropLet, {type, {}}, {}, {}, 0, 0});
  return *this;
}

ClassBuilder& ClassBuilder::ObjectProp(std::u16string name, com::TypeKind type) {
  Prop(name, type);
  data_->iface.members.push_back({std::move(name), com::MemberKind::PropSet, {type, {}}, {}, {}, 0, 0});
  return *this;
}

ClassBuilder& ClassBuilder::ReadOnly(std::u16string name, com::TypeKind type) {
  data_->iface.members.push_back({std::move(name), com::MemberKind::PropGet, {type, {}}, {}, {}, 0, 0});
  return *this;
}

ClassBuilder& ClassBuilder::Method(std::u16string name, com::TypeKind result, std::vector<com::ParamInfo> params) {
  data_->iface.members.push_back(
      {std::move(name), com::MemberKind::Method, {result, {}}, std::move(params), {}, 0, 0});
  return *this;
}

ClassBuilder& ClassBuilder::Event(std::u16string name, std::vector<com::ParamInfo> params) {
  data_->events.events.push_back({std::move(name), std::move(params)});
  return *this;
}

ClassBuilder& ClassBuilder::MouseEvents() {
  using com::TypeKind;
  const std::vector<com::ParamInfo> mouse{Param(u"Button", TypeKind::Integer), Param(u"Shift", TypeKind::Integer),
                                          Param(u"X", TypeKind::Single), Param(u"Y", TypeKind::Single)};
  Event(u"Click");
  Event(u"DblClick");
  Event(u"MouseDown", mouse);
  Event(u"MouseMove", mouse);
  return Event(u"MouseUp", mouse);
}

ClassBuilder& ClassBuilder::KeyEvents() {
  using com::TypeKind;
  Event(u"KeyDown", {Param(u"KeyCode", TypeKind::Integer), Param(u"Shift", TypeKind::Integer)});
  Event(u"KeyPress", {Param(u"KeyAscii", TypeKind::Integer)});
  Event(u"KeyUp", {Param(u"KeyCode", TypeKind::Integer), Param(u"Shift", TypeKind::Integer)});
  Event(u"GotFocus");
  return Event(u"LostFocus");
}

ClassBuilder& ClassBuilder::DefaultEvent(std::u16string name) {
  data_->coclass.defaultEvent = std::move(name);
  return *this;
}

const com::CoClassInfo& ClassBuilder::Build() {
  Data& d = *data_;
  d.coclass.defaultInterface = &d.iface;
  d.coclass.eventInterface = &d.events;
  Built().push_back(std::move(data_));
  return d.coclass;
}

namespace {

std::vector<std::unique_ptr<ClassBuilder::Data>>& Built() {
  static std::vector<std::unique_ptr<ClassBuilder::Data>> built;
  return built;
}

}  // namespace

com::ParamInfo Param(std::u16string name, com::TypeKind type) { return {std::move(name), {type, {}}, true, false}; }

}  // namespace kelvo::forms::stdcontrols

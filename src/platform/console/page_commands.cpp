// Property pages as the designer shows them: open a page for selected
// controls, change and click its fields as a user would, apply.
#include "platform/base/text.h"
#include "platform/console/handlers.h"
#include "platform/console/value_text.h"
#include "platform/console/values.h"

namespace kelvo::console {
namespace {

bool IsClass(const forms::Control& control, std::u16string_view progid) {
  return com::NamesEqual(control.ProgID(), progid);
}

// The page control behind a field name.
forms::Control& FieldControl(Session& s, std::u16string_view name) {
  const com::ComPtr<com::IDispatch> field = s.Page().Field(name);
  forms::Control* control = s.App().ControlOf(field.get());
  if (control == nullptr) throw ConsoleError("page field \"" + text::ToUtf8(name) + "\" is not a control");
  return *control;
}

// What a user changes on a field: a check box's or option button's Value, a
// list's ListIndex, a text box's Text.
std::u16string_view ValueMember(const forms::Control& field) {
  if (IsClass(field, u"CheckBox") || IsClass(field, u"OptionButton")) return u"Value";
  if (IsClass(field, u"ComboBox") || IsClass(field, u"ListBox")) return u"ListIndex";
  if (IsClass(field, u"TextBox")) return u"Text";
  if (const com::InterfaceInfo* members = field.ClassInfo().defaultInterface) {
    for (std::u16string_view name : {u"ListIndex", u"Value", u"Text"})
      if (members->Find(name, com::MemberKind::PropGet) != nullptr) return name;
  }
  throw ConsoleError("page field " + text::ToUtf8(field.RefName()) + " has no value a user can change");
}

}  // namespace

Outcome Run(Session& s, const cmd::PageOpen& c) {
  std::vector<forms::Control*> selected;
  for (const ControlRef& ref : c.controls) selected.push_back(&s.ControlNamed(ref));
  s.OpenPage(std::make_unique<forms::PropertyPageFrame>(s.App(), c.progid, selected));
  return {};
}

Outcome Run(Session& s, const cmd::PageLet& c) {
  forms::Control& field = FieldControl(s, c.field);
  std::vector<com::Variant> args{ToVariant(c.value)};
  field.Extender()->Invoke(ValueMember(field), com::InvokeKind::Let, args);
  return {};
}

Outcome Run(Session& s, const cmd::PageClick& c) {
  FieldControl(s, c.field).Click();
  return {};
}

Outcome Run(Session& s, const cmd::PageApply&) {
  s.Page().Apply();
  return {};
}

Outcome Run(Session& s, const cmd::PageField& c) {
  forms::Control& field = FieldControl(s, c.field);
  const com::Variant value = field.Extender()->Invoke(ValueMember(field), com::InvokeKind::Get, {});
  return Printed{{}, FormatValue(value, com::TypeKind::Variant, s.Namer())};
}

std::string PageChanged(Session& s) { return s.Page().Changed() ? "True" : "False"; }

}  // namespace kelvo::console

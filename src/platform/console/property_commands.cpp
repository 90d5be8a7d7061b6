// Properties, methods and events: let, set, call, on, off.
#include "platform/base/text.h"
#include "platform/console/handlers.h"
#include "platform/console/member_types.h"
#include "platform/console/value_text.h"
#include "platform/console/values.h"
#include "platform/forms/stdobjects.h"

namespace kelvo::console {
namespace {

void Assign(Session& s, const MemberRef& member, com::InvokeKind kind, com::Variant value) {
  std::vector<com::Variant> args{std::move(value)};
  s.Target(member.target)->Invoke(member.member, kind, args);
}

std::string Join(const std::vector<std::string>& items, const char* separator) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) out += (i > 0 ? separator : "") + items[i];
  return out;
}

std::size_t ArgumentPosition(const com::EventInfo& event, const MemberRef& ref, std::u16string_view name) {
  for (std::size_t i = 0; i < event.params.size(); ++i)
    if (com::NamesEqual(event.params[i].name, name)) return i;
  throw ConsoleError("event " + ref.Text() + " has no argument \"" + text::ToUtf8(name) + "\"");
}

}  // namespace

Outcome Run(Session& s, const cmd::Let& c) {
  Assign(s, c.member, com::InvokeKind::Let, ToVariant(c.value));
  return {};
}

Outcome Run(Session& s, const cmd::SetFont& c) {
  gfx::FontDesc desc;
  desc.name = c.name;
  desc.size = c.size;
  desc.bold = c.bold;
  desc.italic = c.italic;
  desc.underline = c.underline;
  Assign(s, c.member, com::InvokeKind::Set, com::Variant::Object(forms::CreateFontObject(desc)));
  return {};
}

Outcome Run(Session& s, const cmd::SetPicture& c) {
  Assign(s, c.member, com::InvokeKind::Set, com::Variant::Object(forms::LoadPictureObject(ScriptPath(c.path))));
  return {};
}

Outcome Run(Session& s, const cmd::SetNothing& c) {
  Assign(s, c.member, com::InvokeKind::Set, com::Variant::Object(nullptr));
  return {};
}

Outcome Run(Session& s, const cmd::Call& c) {
  const com::ComPtr<com::IDispatch> target = s.Target(c.member.target);
  const com::MemberInfo* info = DescribeMember(s, c.member.target, c.member.member, com::MemberKind::Method);
  std::vector<com::Variant> args;
  for (const Literal& literal : c.args) args.push_back(ToVariant(literal));
  const com::Variant result = target->Invoke(c.member.member, com::InvokeKind::Method, args);

  const ObjectNamer namer = s.Namer();
  std::vector<std::string> shown;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const com::TypeKind declared =
        info != nullptr && i < info->params.size() ? info->params[i].type.kind : com::TypeKind::Variant;
    shown.push_back(FormatValue(args[i], declared, namer));
  }
  s.LastCallArgs() = shown;
  Printed printed{c.member.Text() + "(" + Join(shown, ", ") + ")", std::nullopt};
  const bool hasResult = info != nullptr ? info->type.kind != com::TypeKind::Void : !result.IsEmpty();
  if (hasResult) printed.value = FormatValue(result, info != nullptr ? info->type.kind : com::TypeKind::Variant, namer);
  return printed;
}

Outcome Run(Session& s, const cmd::On& c) {
  forms::Control& control = s.ControlNamed(c.event.target);
  const com::EventInterfaceInfo* events = control.ClassInfo().eventInterface;
  const com::EventInfo* event = events == nullptr ? nullptr : events->Find(c.event.member);
  if (event == nullptr) throw ConsoleError(c.event.target.Text() + " has no event \"" + text::ToUtf8(c.event.member) + "\"");
  EventRule rule;
  rule.form = control.Parent().Name();
  rule.control = control.RefName();
  rule.event = event->name;
  rule.occurrence = c.event.occurrence;
  for (const KeyValue& kv : c.args) {
    const std::size_t position = ArgumentPosition(*event, c.event, kv.key);
    rule.args.emplace_back(position, ConvertToDeclared(ToVariant(kv.value), event->params[position].type.kind));
  }
  s.Recorder().AddRule(std::move(rule));
  return {};
}

Outcome Run(Session& s, const cmd::Off& c) {
  forms::Control& control = s.ControlNamed(c.event.target);
  s.Recorder().RemoveRules(control.Parent().Name(), control.RefName(), c.event.member);
  return {};
}

}  // namespace kelvo::console

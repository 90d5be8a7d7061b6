#include "platform/console/event_recorder.h"

#include <algorithm>

#include "platform/base/text.h"

namespace kelvo::console {
namespace {

bool Recorded(const forms::Control& control) { return control.Parent().Kind() != forms::FormKind::Embedded; }

std::string Join(std::vector<std::string>& items, const char* separator) {
  std::string out;
  for (const std::string& item : items) {
    if (!out.empty()) out += separator;
    out += item;
  }
  items.clear();
  return out;
}

const com::EventInfo* EventOf(const forms::Control& control, std::u16string_view event) {
  const com::EventInterfaceInfo* events = control.ClassInfo().eventInterface;
  return events == nullptr ? nullptr : events->Find(event);
}

bool RuleMatches(const EventRule& rule, const forms::Control& control, std::u16string_view event) {
  return com::NamesEqual(rule.event, event) && com::NamesEqual(rule.control, control.RefName()) &&
         com::NamesEqual(rule.form, control.Parent().Name());
}

}  // namespace

void EventRecorder::OnEvent(forms::Control& control, std::u16string_view event, std::span<com::Variant> args) {
  if (!Recorded(control)) return;
  events_.push_back(Describe(control, event, args));
  ApplyRules(control, event, args);
}

void EventRecorder::OnPropertyChanged(forms::Control& control, std::u16string_view property) {
  if (!Recorded(control)) return;
  changes_.push_back(text::ToUtf8(control.RefName()) + "." + text::ToUtf8(property));
}

std::string EventRecorder::TakeEvents() { return Join(events_, " "); }
std::string EventRecorder::TakeChanges() { return Join(changes_, " "); }

void EventRecorder::RemoveRules(std::u16string_view form, std::u16string_view control, std::u16string_view event) {
  std::erase_if(rules_, [&](const EventRule& rule) {
    return com::NamesEqual(rule.form, form) && com::NamesEqual(rule.control, control) &&
           com::NamesEqual(rule.event, event);
  });
}

std::string EventRecorder::Describe(const forms::Control& control, std::u16string_view event,
                                    std::span<const com::Variant> args) const {
  const com::EventInfo* info = EventOf(control, event);
  std::string out = text::ToUtf8(control.RefName()) + "." + text::ToUtf8(event) + "(";
  for (std::size_t i = 0; i < args.size(); ++i) {
    const com::TypeKind declared =
        info != nullptr && i < info->params.size() ? info->params[i].type.kind : com::TypeKind::Variant;
    if (i > 0) out += ", ";
    out += FormatValue(args[i], declared, namer_);
  }
  return out + ")";
}

void EventRecorder::ApplyRules(const forms::Control& control, std::u16string_view event,
                               std::span<com::Variant> args) {
  for (EventRule& rule : rules_) {
    if (!RuleMatches(rule, control, event)) continue;
    ++rule.seen;
    if (rule.occurrence && rule.seen != *rule.occurrence) continue;
    for (const auto& [position, value] : rule.args)
      if (position < args.size()) args[position] = value;
  }
  std::erase_if(rules_, [](const EventRule& rule) { return rule.occurrence && rule.seen >= *rule.occurrence; });
}

}  // namespace kelvo::console

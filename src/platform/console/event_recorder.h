#pragma once
// The console's view of what controls do: every event raised to the container
// (for the `events` query), every property-changed notification (`changed`),
// and the `on` rules that answer by-reference arguments before a raise returns.
// Controls of embedded forms (a property page's fields) are the designer's own
// and are not recorded.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/com/variant.h"
#include "platform/console/value_text.h"
#include "platform/forms/application.h"

namespace kelvo::console {

struct EventRule {
  std::u16string form;     // the control's form
  std::u16string control;  // "name" or "name(3)"
  std::u16string event;
  std::optional<int> occurrence;  // only this raise (1-based) from the rule's creation
  std::vector<std::pair<std::size_t, com::Variant>> args;  // argument position, value
  int seen = 0;
};

class EventRecorder final : public forms::EventListener {
 public:
  explicit EventRecorder(ObjectNamer namer) : namer_(std::move(namer)) {}

  void OnEvent(forms::Control& control, std::u16string_view event, std::span<com::Variant> args) override;
  void OnPropertyChanged(forms::Control& control, std::u16string_view property) override;

  // The log since the last call, separated by one blank; the log is cleared.
  std::string TakeEvents();
  std::string TakeChanges();

  void AddRule(EventRule rule) { rules_.push_back(std::move(rule)); }
  void RemoveRules(std::u16string_view form, std::u16string_view control, std::u16string_view event);

 private:
  std::string Describe(const forms::Control& control, std::u16string_view event,
                       std::span<const com::Variant> args) const;
  void ApplyRules(const forms::Control& control, std::u16string_view event, std::span<com::Variant> args);

  ObjectNamer namer_;
  std::vector<std::string> events_;
  std::vector<std::string> changes_;
  std::vector<EventRule> rules_;
};

}  // namespace kelvo::console

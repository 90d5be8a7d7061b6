#pragma once
// Creating a control object by ProgID: in-process classes first (the
// standard controls, test classes), then the registry and the class's server.

#include <optional>
#include <string>
#include <string_view>

#include "platform/forms/application.h"

namespace kelvo::forms {

struct ControlObject {
  com::ComPtr<IControl> control;
  com::ComPtr<com::IDispatch> dispatch;  // the control's own members
};

// Throws com::Error 429 naming the ProgID when the class cannot be created or
// its object is not a control.
ControlObject CreateControlObject(std::u16string_view progid);
// Why the ProgID names neither an in-process class nor a registered one (not
// registered, and how to register it; or the registry's own failure), or
// nothing when it names one.
std::optional<std::string> UnknownClassReason(std::u16string_view progid);

}  // namespace kelvo::forms

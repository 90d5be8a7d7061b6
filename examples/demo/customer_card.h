#pragma once
// The code behind the customer card: New clears the editable fields, Save
// checks the birth date (complete, and a day of the calendar) and reports the
// record and its amounts in the status bar, Close (or Escape) ends the
// program. A field with nothing typed in is saved empty, not as its mask's
// literals.

#include <functional>
#include <string_view>

#include "platform/app/app.h"

namespace kelvo::demo {

// Binds the card's buttons. Each saved record is also passed to `saved` as
// one line, when it is set.
void AttachCustomerCard(app::App& app, app::Form card, std::function<void(std::string_view)> saved);

}  // namespace kelvo::demo

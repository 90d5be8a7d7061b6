#pragma once
// A sample customer typed into the card key by key, as a user would, for the
// picture the demo writes when there is no display.

#include "platform/app/app.h"

namespace kelvo::demo {

// Fills code, name, birth date and phone, saves, and leaves the focus in the
// birth date.
void TypeSampleCustomer(const app::Form& card);

}  // namespace kelvo::demo

#pragma once
// A sample customer typed into the card key by key, as a user would, for the
// picture the demo writes when there is no display.

#include "platform/forms/application.h"

namespace kelvo::demo {

// Fills code, name, birth date and phone, saves, and leaves the focus in the
// birth date.
void TypeSampleCustomer(forms::Form& card);

}  // namespace kelvo::demo

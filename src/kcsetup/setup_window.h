#pragma once
// The setup window frmSetup: its controls at their places (twips), their
// fonts and colours, the banner and the window's background picture. The
// labels lblTitle and lblVersion are filled in by the program's code.

#include "platform/forms/application.h"

namespace kelvo::kcsetup {

// Creates frmSetup hidden, its controls loaded; the caller attaches the code
// and shows it.
forms::Form& CreateSetupWindow(forms::Application& app);

// Paints the background picture on the window's own surface, behind the
// controls (the labels are transparent over it).
void PaintBackground(forms::Form& form);

}  // namespace kelvo::kcsetup

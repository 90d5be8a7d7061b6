#pragma once
// A property page for the console's tests, registered in-process as
// "Console.ProbePage". Its fields (standard controls on the page's form):
// txtCaption (text box), chkBold (check box), optSize(0) and optSize(1)
// (option buttons), cboStyle (combo box with "Flat" and "3D"). Any field's
// Click or Change marks the page changed; SelectionChanged copies the first
// selected control's Caption into txtCaption, ApplyChanges writes it back.

#include <string_view>

namespace kelvo::console::testing {

inline constexpr std::u16string_view kProbePageProgId = u"Console.ProbePage";

// Registers the page class with the forms container (once per process).
void RegisterProbePage();

}  // namespace kelvo::console::testing

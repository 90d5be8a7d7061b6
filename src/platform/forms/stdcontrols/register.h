#pragma once
// The standard controls the container creates itself, by ProgID.

#include <string>
#include <utility>
#include <vector>

#include "platform/forms/application.h"

namespace kelvo::forms {

std::vector<std::pair<std::u16string, ControlFactory>> StandardControlClasses();

namespace stdcontrols {
com::ComPtr<IControl> CreateLabel();
com::ComPtr<IControl> CreateLine();
com::ComPtr<IControl> CreateShape();
com::ComPtr<IControl> CreateImage();
com::ComPtr<IControl> CreateFrame();
com::ComPtr<IControl> CreateCommandButton();
com::ComPtr<IControl> CreateCheckBox();
com::ComPtr<IControl> CreateOptionButton();
com::ComPtr<IControl> CreateTextBox();
com::ComPtr<IControl> CreateComboBox();
}  // namespace stdcontrols

}  // namespace kelvo::forms

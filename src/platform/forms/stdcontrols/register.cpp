// The standard control classes by ProgID.

#include "platform/forms/stdcontrols/register.h"

namespace kelvo::forms {

std::vector<std::pair<std::u16string, ControlFactory>> StandardControlClasses() {
  using namespace stdcontrols;
  return {
      {u"Label", CreateLabel}, {u"Line", CreateLine}, {u"Shape", CreateShape},
      {u"Image", CreateImage}, {u"Frame", CreateFrame}, {u"CommandButton", CreateCommandButton},
      {u"CheckBox", CreateCheckBox}, {u"OptionButton", CreateOptionButton}, {u"TextBox", CreateTextBox},
      {u"ComboBox", CreateComboBox},
  };
}

}  // namespace kelvo::forms

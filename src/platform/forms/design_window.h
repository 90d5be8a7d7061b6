#pragma once
// A form open for design in windows a developer works in: the form with its
// designer, a toolbox window beside it (pick a tool, then press on the form to
// place it), and the property sheet for the selection on a double click or F4.

#include <memory>
#include <vector>

#include "platform/forms/application.h"
#include "platform/forms/property_sheet.h"
#include "platform/forms/toolbox.h"

namespace kelvo::forms {

class DesignWindow {
 public:
  // form must be open for design (com::Error 5 otherwise); it may be
  // unloaded before the window goes.
  explicit DesignWindow(Form& form);
  ~DesignWindow();
  DesignWindow(const DesignWindow&) = delete;
  DesignWindow& operator=(const DesignWindow&) = delete;

  win::HWND ToolboxHwnd() const { return toolbox_; }
  // The open property sheet, or nullptr.
  PropertySheet* Sheet() const { return sheet_ && !sheet_->Closed() ? sheet_.get() : nullptr; }
  void OpenSheet();

 private:
  void CreateToolbox();
  void PaintToolbox();
  void OnToolboxMessage(const win::Message& m);

  Application& app_;
  Form& form_;
  std::u16string formName_;
  std::vector<Tool> tools_;
  win::HWND toolbox_ = 0;
  std::unique_ptr<PropertySheet> sheet_;
};

}  // namespace kelvo::forms

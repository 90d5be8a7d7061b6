#pragma once
// What the number edit's model needs from the control around it: besides the
// services every edit's model has (EditFieldView), its repaints and the
// container's processing of pending messages.

#include "klvctl32/editfield/edit_view.h"

namespace kelvo::klvctl32 {

class NumberEditView : public EditFieldView {
 public:
  // The full repaint, completing the text first when normalize is set.
  virtual void RedrawNumber(bool normalize) = 0;
  // The highlighted whole number over a fresh repaint.
  virtual void DrawSelection() = 0;
  // The Show routine: completion and repaint at run time, the preview while
  // designing.
  virtual void ShowNumber() = 0;
  // Lets pending window messages be processed (DoEvents).
  virtual void ProcessPending() = 0;

 protected:
  ~NumberEditView() = default;
};

}  // namespace kelvo::klvctl32

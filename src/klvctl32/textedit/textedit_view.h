#pragma once
// What the text edit's model needs from the control around it: besides the
// services every edit's model has (EditFieldView), text measures and the
// painting routines. The control implements it; the model calls it in the
// order its editing steps prescribe, which the container can observe.

#include <cstdint>
#include <string>
#include <string_view>

#include "klvctl32/editfield/edit_view.h"

namespace kelvo::klvctl32 {

class TextEditView : public EditFieldView {
 public:
  // Whether the control's window holds the input focus.
  virtual bool HoldsFocus() = 0;

  // Measures for the visible-width test, in twips: the width of a text in the
  // control's font, the inner width of the control, the screen's twips per
  // pixel, and whether the 5-pixel shadow takes room.
  virtual double TextWidth(std::u16string_view text) = 0;
  virtual double InnerWidth() = 0;
  virtual float TwipsPerPixelX() = 0;
  virtual bool Shadow() = 0;

  // Painting. RedrawText and FormatAndPrint format the text against the mask
  // (the model's FormatText) before printing it; FormatAndPrint prints nothing
  // while Pasting is set. PlaceCaret shows the caret at CursorPos and returns
  // its x in twips.
  virtual void RedrawText() = 0;
  virtual void FormatAndPrint() = 0;
  virtual std::int16_t PlaceCaret() = 0;
  virtual void DrawSelectionRange(std::int16_t start, std::int16_t len) = 0;

 protected:
  ~TextEditView() = default;
};

}  // namespace kelvo::klvctl32

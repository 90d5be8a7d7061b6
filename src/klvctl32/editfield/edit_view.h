#pragma once
// What an edit's model needs from the control around it, whichever edit it
// is: events to the container, property-changed notifications, the
// clipboard, the beep and the enabled state. Each edit's own view adds its
// painting and measuring calls.

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo::klvctl32 {

class EditFieldView {
 public:
  // The system's default beep for a refused keystroke.
  virtual void Beep() = 0;

  // Events of the control, raised synchronously; the container may change the
  // by-reference arguments.
  virtual void RaiseKeyDown(std::int16_t& keyCode, std::int16_t& shift) = 0;
  virtual void RaiseKeyPress(std::int16_t& keyAscii) = 0;
  virtual void RaiseKeyUp(std::int16_t& keyCode, std::int16_t& shift) = 0;
  virtual void RaiseChanged() = 0;
  virtual void RaiseDblClick() = 0;

  // The container's property-changed notification.
  virtual void MarkChanged(std::u16string_view property) = 0;

  // The clipboard's plain text.
  virtual std::u16string ClipboardText() = 0;
  virtual void SetClipboardText(const std::u16string& text) = 0;

  // The control's Enabled property.
  virtual bool Enabled() = 0;

 protected:
  ~EditFieldView() = default;
};

}  // namespace kelvo::klvctl32

#pragma once
// The container side of EditFieldView, the same for both edits: events go to
// the control's site with their by-reference arguments read back, the beep
// and the property-changed notification are the site's, the clipboard is the
// window system's. An edit control derives from SiteEditView<ItsView> and
// names its site.

#include <string>
#include <string_view>

#include "klvctl32/editfield/edit_events.h"
#include "platform/forms/control.h"
#include "platform/win/clipboard.h"

namespace kelvo::klvctl32 {

template <class View>
class SiteEditView : public View {
 protected:
  ~SiteEditView() = default;
  virtual forms::IControlSite& FieldSite() const = 0;

  void Beep() override { FieldSite().Beep(); }
  void RaiseKeyDown(std::int16_t& keyCode, std::int16_t& shift) override {
    RaiseKeyEvent(FieldSite(), u"KeyDown", keyCode, shift);
  }
  void RaiseKeyPress(std::int16_t& keyAscii) override { RaiseKeyPressEvent(FieldSite(), keyAscii); }
  void RaiseKeyUp(std::int16_t& keyCode, std::int16_t& shift) override {
    RaiseKeyEvent(FieldSite(), u"KeyUp", keyCode, shift);
  }
  void RaiseChanged() override { FieldSite().RaiseEvent(u"Changed", {}); }
  void RaiseDblClick() override { FieldSite().RaiseEvent(u"DblClick", {}); }
  void MarkChanged(std::u16string_view property) override { FieldSite().PropertyChanged(property); }
  std::u16string ClipboardText() override { return win::Clipboard().Text(); }
  void SetClipboardText(const std::u16string& text) override { win::Clipboard().SetText(text); }
};

}  // namespace kelvo::klvctl32

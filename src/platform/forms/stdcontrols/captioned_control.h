#pragma once
// What the buttons and the frame share: a caption with an access key, drawn
// in a font and colours, greyed while disabled.

#include <utility>

#include "platform/forms/stdcontrols/caption_text.h"
#include "platform/forms/stdcontrols/std_control.h"
#include "platform/forms/stdcontrols/system_colors.h"

namespace kelvo::forms::stdcontrols {

template <class Derived>
class CaptionedControl : public StdControl<Derived> {
 public:
  void Initialize() override { font_ = CreateFontObject(gfx::FontDesc{}); }

  void InitProperties() override {
    caption_ = this->Site().AmbientDisplayName();
    font_ = ToFont(com::Variant::Object(this->Site().AmbientFont()));
    this->UpdateAccessKeys(caption_, true);
  }

 protected:
  void SetCaption(std::u16string caption) {
    this->Assign(caption_, std::move(caption), u"Caption");
    this->UpdateAccessKeys(caption_, true);
  }

  // The caption drawn at (x, y), greyed when disabled; prints are recorded.
  void DrawCaption(int x, int y) const {
    gfx::Surface& s = this->Core().Surface();
    const Caption c = ParseCaption(caption_, true);
    if (c.text.empty()) return;
    const gfx::OleColor color = enabled_ ? foreColor_ : kGrayText;
    s.RecordPrint(c.text, x, y, color);
    DrawTextLine(s, x, y, TextLine{c.text, 0}, color, c.mnemonic);
  }

  int CaptionWidth() const {
    return this->Core().Surface().Face().Width(ParseCaption(caption_, true).text);
  }

  std::u16string caption_;
  com::ComPtr<IFontObject> font_;
  bool enabled_ = true;
  gfx::OleColor backColor_ = kButtonFace;
  gfx::OleColor foreColor_ = kButtonText;
};

}  // namespace kelvo::forms::stdcontrols

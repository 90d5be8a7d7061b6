#pragma once
// What the command button, check box and option button share beyond the
// caption: the focus and a pressed state, key and mouse events raised to the
// form, persisting the common properties, and the "act" step (click,
// toggle, select) reached by a click, the space bar, an access key or, for a
// default or cancel button, Enter and Escape. Derived classes provide
// Act() and Draw().

#include "platform/forms/stdcontrols/captioned_control.h"
#include "platform/forms/stdcontrols/edges.h"

namespace kelvo::forms::stdcontrols {

template <class Derived>
class ButtonBase : public CaptionedControl<Derived> {
  using Base = CaptionedControl<Derived>;

 public:
  void GotFocus() override {
    hasFocus_ = true;
    this->Self().Draw();
  }

  void LostFocus() override {
    hasFocus_ = false;
    pressed_ = false;
    this->Self().Draw();
  }

  void KeyDown(std::int16_t& code, std::int16_t& shift) override {
    this->Core().RaiseKey(u"KeyDown", code, shift);
    if (code == kSpace && !pressed_) {
      pressed_ = true;
      this->Self().Draw();
    }
  }

  void KeyPress(std::int16_t& ascii) override { this->Core().RaiseKeyPress(ascii); }

  void KeyUp(std::int16_t& code, std::int16_t& shift) override {
    this->Core().RaiseKey(u"KeyUp", code, shift);
    if (code == kSpace && pressed_) {
      pressed_ = false;
      this->Self().Draw();
      this->Self().Act();
    }
  }

  void MouseDown(std::int16_t b, std::int16_t s, float x, float y) override {
    this->Core().RaiseMouse(u"MouseDown", b, s, x, y);
    if (b == 1) {
      pressed_ = true;
      this->Self().Draw();
    }
  }

  void MouseMove(std::int16_t b, std::int16_t s, float x, float y) override {
    this->Core().RaiseMouse(u"MouseMove", b, s, x, y);
  }

  void MouseUp(std::int16_t b, std::int16_t s, float x, float y) override {
    this->Core().RaiseMouse(u"MouseUp", b, s, x, y);
    if (pressed_) {
      pressed_ = false;
      this->Self().Draw();
    }
  }

  // The container delivers Click for a release inside the control.
  void Click() override { this->Self().Act(); }
  void DblClick() override { this->Self().Act(); }
  void AccessKeyPress(std::int16_t) override { this->Self().Act(); }
  void AmbientChanged(std::u16string_view) override { this->Self().Draw(); }

 protected:
  using Base::backColor_;
  using Base::caption_;
  using Base::enabled_;
  using Base::font_;
  using Base::foreColor_;

  static constexpr std::int16_t kSpace = 32;

  void ReadCommon(IPropertyBag& bag) {
    caption_ = bag.Read(u"Caption", com::Variant::String(caption_)).ToString();
    backColor_ = ToColor(bag.Read(u"BackColor", ColorValue(backColor_)));
    foreColor_ = ToColor(bag.Read(u"ForeColor", ColorValue(foreColor_)));
    if (auto f = AsFont(bag.Read(u"Font", com::Variant::Object(font_)))) font_ = f;
    enabled_ = bag.Read(u"Enabled", com::Variant::Boolean(enabled_)).ToBoolean();
    this->Core().EnableWindow(enabled_);
    this->UpdateAccessKeys(caption_, true);
  }

  void WriteCommon(IPropertyBag& bag) const {
    const com::Variant none;
    bag.Write(u"Caption", com::Variant::String(caption_), none);
    bag.Write(u"BackColor", ColorValue(backColor_), none);
    bag.Write(u"ForeColor", ColorValue(foreColor_), none);
    bag.Write(u"Font", com::Variant::Object(font_), none);
    bag.Write(u"Enabled", com::Variant::Boolean(enabled_), none);
  }

  // A check box's or option button's caption beside its glyph (a box or a
  // circle at the left or right edge), in the focus rectangle while focused.
  void DrawCaptionBeside(int glyphSize, bool glyphRight) const {
    constexpr int kCaptionGap = 4;
    gfx::Surface& s = this->Core().Surface();
    const int textHeight = s.Face().Height();
    const int textLeft = glyphRight ? 0 : glyphSize + kCaptionGap;
    const int textTop = (s.heightPx() - textHeight) / 2;
    this->DrawCaption(textLeft, textTop);
    if (!hasFocus_) return;
    FocusRect(s, {textLeft - 1, textTop - 1, textLeft + this->CaptionWidth() + 1, textTop + textHeight + 1});
  }

  bool hasFocus_ = false;
  bool pressed_ = false;
};

}  // namespace kelvo::forms::stdcontrols

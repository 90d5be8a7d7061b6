// CheckBox: a box that toggles between unchecked (0) and checked (1), or
// shows grayed (2), with its caption beside it. Every change of Value, by the
// user or by code, raises Click.

#include "platform/forms/stdcontrols/button_base.h"
#include "platform/forms/stdcontrols/class_info.h"
#include "platform/forms/stdcontrols/register.h"

namespace kelvo::forms::stdcontrols {
namespace {

constexpr int kBoxSize = 13;
enum : std::int16_t { kUnchecked = 0, kChecked = 1, kGrayed = 2 };

class CheckBox final : public ButtonBase<CheckBox> {
 public:
  static const com::CoClassInfo& Info() {
    using com::TypeKind;
    static const com::CoClassInfo& info =
        ClassBuilder(u"CheckBox", "{EA9E5C0D-A733-4502-B566-9AB705F039EB}",
                     com::olemisc::kActivateWhenVisible | com::olemisc::kSetClientSiteFirst)
            .Prop(u"Caption", TypeKind::String)
            .Prop(u"Value", TypeKind::Integer)
            .Prop(u"Alignment", TypeKind::Integer)
            .Prop(u"BackColor", TypeKind::Color)
            .Prop(u"ForeColor", TypeKind::Color)
            .ObjectProp(u"Font", TypeKind::Font)
            .Prop(u"Enabled", TypeKind::Boolean)
            .MouseEvents()
            .KeyEvents()
            .DefaultEvent(u"Click")
            .Build();
    return info;
  }

  static const com::DispatchMap<CheckBox>& Members() {
    using Map = com::DispatchMap<CheckBox>;
    using V = const com::Variant&;
    using C = CheckBox;
    static const Map map{
        Map::Get(u"Caption", [](C& c) { return com::Variant::String(c.caption_); }),
        Map::Let(u"Caption", [](C& c, V v) { c.SetCaption(v.ToString()); }),
        Map::Get(u"Value", [](C& c) { return com::Variant::Integer(c.value_); }),
        Map::Let(u"Value", [](C& c, V v) { c.SetValue(ToIntegerIn(v, 0, 2)); }),
        Map::Get(u"Alignment", [](C& c) { return com::Variant::Integer(c.alignment_); }),
        Map::Let(u"Alignment", [](C& c, V v) { c.Assign(c.alignment_, ToIntegerIn(v, 0, 1), u"Alignment"); }),
        Map::Get(u"BackColor", [](C& c) { return ColorValue(c.backColor_); }),
        Map::Let(u"BackColor", [](C& c, V v) { c.Assign(c.backColor_, ToColor(v), u"BackColor"); }),
        Map::Get(u"ForeColor", [](C& c) { return ColorValue(c.foreColor_); }),
        Map::Let(u"ForeColor", [](C& c, V v) { c.Assign(c.foreColor_, ToColor(v), u"ForeColor"); }),
        Map::Get(u"Font", [](C& c) { return com::Variant::Object(c.font_); }),
        Map::Let(u"Font", [](C& c, V v) { c.Assign(c.font_, ToFont(v), u"Font"); }),
        Map::Set(u"Font", [](C& c, V v) { c.Assign(c.font_, ToFont(v), u"Font"); }),
        Map::Get(u"Enabled", [](C& c) { return com::Variant::Boolean(c.enabled_); }),
        Map::Let(u"Enabled", [](C& c, V v) { c.AssignEnabled(c.enabled_, v.ToBoolean()); }),
    };
    return map;
  }

  void ReadProperties(IPropertyBag& bag) override {
    ReadCommon(bag);
    value_ = bag.Read(u"Value", com::Variant::Integer(value_)).ToInteger();
    alignment_ = bag.Read(u"Alignment", com::Variant::Integer(alignment_)).ToInteger();
  }

  void WriteProperties(IPropertyBag& bag) override {
    WriteCommon(bag);
    bag.Write(u"Value", com::Variant::Integer(value_), com::Variant());
    bag.Write(u"Alignment", com::Variant::Integer(alignment_), com::Variant());
  }

  // The user toggles: checked becomes unchecked, anything else checked.
  void Act() { SetValue(value_ == kChecked ? kUnchecked : kChecked); }

  void Draw() {
    gfx::Surface& s = Core().BeginDraw(font_->Desc(), backColor_);
    const int top = (s.heightPx() - kBoxSize) / 2;
    const bool boxRight = alignment_ == 1;
    const int left = boxRight ? s.widthPx() - kBoxSize : 0;
    const gfx::RectPx box{left, top, left + kBoxSize, top + kBoxSize};
    FillRect(s, {box.left + 2, box.top + 2, box.right - 2, box.bottom - 2},
             pressed_ || value_ == kGrayed || !enabled_ ? kButtonFace : kWindowBackground);
    FieldEdge(s, box);
    if (value_ != kUnchecked) DrawCheck(box, value_ == kGrayed || !enabled_ ? kButtonShadow : kWindowText);
    DrawCaptionBeside(kBoxSize, boxRight);
  }

 private:
  void SetValue(std::int16_t value) {
    if (value == value_) return;
    value_ = value;
    Site().PropertyChanged(u"Value");
    Draw();
    Core().Raise(u"Click");
  }

  // A tick: a short stroke down and a long one up, three pixels thick.
  void DrawCheck(const gfx::RectPx& box, gfx::OleColor color) const {
    gfx::Surface& s = Core().Surface();
    const int x0 = box.left + 3;
    const int y0 = box.top + 5;
    for (int i = 0; i < 7; ++i) {
      const int y = i < 3 ? y0 + i : y0 + 4 - i;
      FillRect(s, {x0 + i, y, x0 + i + 1, y + 3}, color);
    }
  }

  std::int16_t value_ = kUnchecked;
  std::int16_t alignment_ = 0;
};

}  // namespace

com::ComPtr<IControl> CreateCheckBox() { return com::MakeObject<CheckBox>(); }

}  // namespace kelvo::forms::stdcontrols

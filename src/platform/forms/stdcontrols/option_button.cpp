// OptionButton: one choice of a group (the option buttons sharing a
// container). Selecting one, by the user or by setting Value to True, clears
// the others of its group and raises Click.

#include <cmath>
#include <vector>

#include "platform/forms/application.h"
#include "platform/forms/stdcontrols/button_base.h"
#include "platform/forms/stdcontrols/class_info.h"
#include "platform/forms/stdcontrols/register.h"
#include "platform/win/window_system.h"

namespace kelvo::forms::stdcontrols {
namespace {

constexpr int kCircleSize = 12;
constexpr double kDotRadius = 2.0;

class OptionButton final : public ButtonBase<OptionButton> {
 public:
  static const com::CoClassInfo& Info() {
    using com::TypeKind;
    static const com::CoClassInfo& info =
        ClassBuilder(u"OptionButton", "{E5E12266-79F0-47FD-877D-7667FBD86C56}",
                     com::olemisc::kActivateWhenVisible | com::olemisc::kSetClientSiteFirst)
            .Prop(u"Caption", TypeKind::String)
            .Prop(u"Value", TypeKind::Boolean)
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

  static const com::DispatchMap<OptionButton>& Members() {
    using Map = com::DispatchMap<OptionButton>;
    using V = const com::Variant&;
    using O = OptionButton;
    static const Map map{
        Map::Get(u"Caption", [](O& o) { return com::Variant::String(o.caption_); }),
        Map::Let(u"Caption", [](O& o, V v) { o.SetCaption(v.ToString()); }),
        Map::Get(u"Value", [](O& o) { return com::Variant::Boolean(o.value_); }),
        Map::Let(u"Value",
                 [](O& o, V v) {
                   if (v.ToBoolean()) {
                     o.Act();
                   } else {
                     o.SetValue(false);
                   }
                 }),
        Map::Get(u"Alignment", [](O& o) { return com::Variant::Integer(o.alignment_); }),
        Map::Let(u"Alignment", [](O& o, V v) { o.Assign(o.alignment_, ToIntegerIn(v, 0, 1), u"Alignment"); }),
        Map::Get(u"BackColor", [](O& o) { return ColorValue(o.backColor_); }),
        Map::Let(u"BackColor", [](O& o, V v) { o.Assign(o.backColor_, ToColor(v), u"BackColor"); }),
        Map::Get(u"ForeColor", [](O& o) { return ColorValue(o.foreColor_); }),
        Map::Let(u"ForeColor", [](O& o, V v) { o.Assign(o.foreColor_, ToColor(v), u"ForeColor"); }),
        Map::Get(u"Font", [](O& o) { return com::Variant::Object(o.font_); }),
        Map::Let(u"Font", [](O& o, V v) { o.Assign(o.font_, ToFont(v), u"Font"); }),
        Map::Set(u"Font", [](O& o, V v) { o.Assign(o.font_, ToFont(v), u"Font"); }),
        Map::Get(u"Enabled", [](O& o) { return com::Variant::Boolean(o.enabled_); }),
        Map::Let(u"Enabled", [](O& o, V v) { o.AssignEnabled(o.enabled_, v.ToBoolean()); }),
    };
    return map;
  }

  void ReadProperties(IPropertyBag& bag) override {
    ReadCommon(bag);
    value_ = bag.Read(u"Value", com::Variant::Boolean(value_)).ToBoolean();
    alignment_ = bag.Read(u"Alignment", com::Variant::Integer(alignment_)).ToInteger();
  }

  void WriteProperties(IPropertyBag& bag) override {
    WriteCommon(bag);
    bag.Write(u"Value", com::Variant::Boolean(value_), com::Variant());
    bag.Write(u"Alignment", com::Variant::Integer(alignment_), com::Variant());
  }

  // Selected: the rest of the group is cleared, then Click is raised.
  void Act() {
    for (OptionButton* other : Group()) {
      if (other != this) other->SetValue(false);
    }
    SetValue(true);
    Core().Raise(u"Click");
  }

  void Draw() {
    const gfx::Surface& s = Core().BeginDraw(font_->Desc(), backColor_);
    const bool circleRight = alignment_ == 1;
    DrawCircle(circleRight ? s.widthPx() - kCircleSize : 0, (s.heightPx() - kCircleSize) / 2);
    DrawCaptionBeside(kCircleSize, circleRight);
  }

 private:
  // The option buttons among the windows of this one's container (itself included).
  std::vector<OptionButton*> Group() const {
    std::vector<OptionButton*> group;
    const win::WindowSystem& ws = win::WindowSystem::Get();
    const Application* app = Application::Current();
    const Form* form = app != nullptr ? app->FormOf(Site().Hwnd()) : nullptr;
    if (form == nullptr) return group;
    for (const win::HWND sibling : ws.Children(ws.Parent(Site().Hwnd()))) {
      const Control* control = form->FromHwnd(sibling);
      if (control != nullptr && &control->ClassInfo() == &Info()) {
        group.push_back(static_cast<OptionButton*>(control->Instance()));
      }
    }
    return group;
  }

  void SetValue(bool value) {
    if (value == value_) return;
    value_ = value;
    if (!HasSite()) return;
    Site().PropertyChanged(u"Value");
    Draw();
  }

  // A sunken ring, the field inside, and the dot when selected.
  void DrawCircle(int left, int top) const {
    gfx::Surface& s = Core().Surface();
    const double r = kCircleSize / 2.0;
    for (int y = 0; y < kCircleSize; ++y) {
      for (int x = 0; x < kCircleSize; ++x) {
        const double dx = x + 0.5 - r;
        const double dy = y + 0.5 - r;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d > r) continue;
        gfx::OleColor c = pressed_ || !enabled_ ? kButtonFace : kWindowBackground;
        if (d > r - 1) c = dx + dy < 0 ? kButtonShadow : kButtonHighlight;
        if (value_ && d <= kDotRadius) c = enabled_ ? kWindowText : kButtonShadow;
        FillRect(s, {left + x, top + y, left + x + 1, top + y + 1}, c);
      }
    }
  }

  bool value_ = false;
  std::int16_t alignment_ = 0;
};

}  // namespace

com::ComPtr<IControl> CreateOptionButton() { return com::MakeObject<OptionButton>(); }

}  // namespace kelvo::forms::stdcontrols

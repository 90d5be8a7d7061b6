// CommandButton: a push button that raises Click; drawn raised, pressed while
// held, with a dark frame while it displays as the default button and a
// focus rectangle while it has the focus.

#include "platform/forms/stdcontrols/button_base.h"
#include "platform/forms/stdcontrols/class_info.h"
#include "platform/forms/stdcontrols/register.h"

namespace kelvo::forms::stdcontrols {
namespace {

class CommandButton final : public ButtonBase<CommandButton> {
 public:
  static const com::CoClassInfo& Info() {
    using com::TypeKind;
    static const com::CoClassInfo& info =
        ClassBuilder(u"CommandButton", "{B1F07AAF-0FD0-4AA3-ACB0-97D99D668A78}",
                     com::olemisc::kActsLikeButton | com::olemisc::kActivateWhenVisible |
                         com::olemisc::kSetClientSiteFirst)
            .Prop(u"Caption", TypeKind::String)
            .Prop(u"BackColor", TypeKind::Color)
            .Prop(u"ForeColor", TypeKind::Color)
            .ObjectProp(u"Font", TypeKind::Font)
            .Prop(u"Enabled", TypeKind::Boolean)
            .Prop(u"Value", TypeKind::Boolean)
            .MouseEvents()
            .KeyEvents()
            .DefaultEvent(u"Click")
            .Build();
    return info;
  }

  static const com::DispatchMap<CommandButton>& Members() {
    using Map = com::DispatchMap<CommandButton>;
    using V = const com::Variant&;
    using B = CommandButton;
    static const Map map{
        Map::Get(u"Caption", [](B& b) { return com::Variant::String(b.caption_); }),
        Map::Let(u"Caption", [](B& b, V v) { b.SetCaption(v.ToString()); }),
        Map::Get(u"BackColor", [](B& b) { return ColorValue(b.backColor_); }),
        Map::Let(u"BackColor", [](B& b, V v) { b.Assign(b.backColor_, ToColor(v), u"BackColor"); }),
        Map::Get(u"ForeColor", [](B& b) { return ColorValue(b.foreColor_); }),
        Map::Let(u"ForeColor", [](B& b, V v) { b.Assign(b.foreColor_, ToColor(v), u"ForeColor"); }),
        Map::Get(u"Font", [](B& b) { return com::Variant::Object(b.font_); }),
        Map::Let(u"Font", [](B& b, V v) { b.Assign(b.font_, ToFont(v), u"Font"); }),
        Map::Set(u"Font", [](B& b, V v) { b.Assign(b.font_, ToFont(v), u"Font"); }),
        Map::Get(u"Enabled", [](B& b) { return com::Variant::Boolean(b.enabled_); }),
        Map::Let(u"Enabled", [](B& b, V v) { b.AssignEnabled(b.enabled_, v.ToBoolean()); }),
        // Setting Value to True clicks the button.
        Map::Get(u"Value", [](B&) { return com::Variant::Boolean(false); }),
        Map::Let(u"Value",
                 [](B& b, V v) {
                   if (v.ToBoolean()) b.Act();
                 }),
    };
    return map;
  }

  void ReadProperties(IPropertyBag& bag) override { ReadCommon(bag); }
  void WriteProperties(IPropertyBag& bag) override { WriteCommon(bag); }

  void Act() { Core().Raise(u"Click"); }

  void Draw() {
    gfx::Surface& s = Core().BeginDraw(font_->Desc(), backColor_);
    const int w = s.widthPx();
    const int h = s.heightPx();
    gfx::RectPx face{0, 0, w, h};
    if (Site().AmbientDisplayAsDefault()) {
      Frame3D(s, face, kWindowFrame, kWindowFrame);
      face = {1, 1, w - 1, h - 1};
    }
    ButtonEdge(s, face, pressed_);
    const int shift = pressed_ ? 1 : 0;
    const int textHeight = s.Face().Height();
    DrawCaption((w - CaptionWidth()) / 2 + shift, (h - textHeight) / 2 + shift);
    if (hasFocus_) FocusRect(s, {face.left + 3, face.top + 3, face.right - 3, face.bottom - 3});
  }
};

}  // namespace

com::ComPtr<IControl> CreateCommandButton() { return com::MakeObject<CommandButton>(); }

}  // namespace kelvo::forms::stdcontrols

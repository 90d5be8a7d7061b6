// Frame: a captioned, etched border around the controls placed inside it.

#include <algorithm>

#include "platform/forms/stdcontrols/captioned_control.h"
#include "platform/forms/stdcontrols/class_info.h"
#include "platform/forms/stdcontrols/register.h"

namespace kelvo::forms::stdcontrols {
namespace {

constexpr int kCaptionLeft = 8;
constexpr int kCaptionGap = 2;

class Frame final : public CaptionedControl<Frame> {
 public:
  static const com::CoClassInfo& Info() {
    using com::TypeKind;
    static const com::CoClassInfo& info =
        ClassBuilder(u"Frame", "{71BE01CA-8779-4053-B2F9-9BB314C77EB9}",
                     com::olemisc::kSimpleFrame | com::olemisc::kActsLikeLabel | com::olemisc::kNoUIActivate |
                         com::olemisc::kSetClientSiteFirst)
            .Prop(u"Caption", TypeKind::String)
            .Prop(u"BackColor", TypeKind::Color)
            .Prop(u"ForeColor", TypeKind::Color)
            .ObjectProp(u"Font", TypeKind::Font)
            .Prop(u"BorderStyle", TypeKind::Integer)
            .Prop(u"Enabled", TypeKind::Boolean)
            .MouseEvents()
            .DefaultEvent(u"Click")
            .Build();
    return info;
  }

  static const com::DispatchMap<Frame>& Members() {
    using Map = com::DispatchMap<Frame>;
    using V = const com::Variant&;
    static const Map map{
        Map::Get(u"Caption", [](Frame& f) { return com::Variant::String(f.caption_); }),
        Map::Let(u"Caption", [](Frame& f, V v) { f.SetCaption(v.ToString()); }),
        Map::Get(u"BackColor", [](Frame& f) { return ColorValue(f.backColor_); }),
        Map::Let(u"BackColor", [](Frame& f, V v) { f.Assign(f.backColor_, ToColor(v), u"BackColor"); }),
        Map::Get(u"ForeColor", [](Frame& f) { return ColorValue(f.foreColor_); }),
        Map::Let(u"ForeColor", [](Frame& f, V v) { f.Assign(f.foreColor_, ToColor(v), u"ForeColor"); }),
        Map::Get(u"Font", [](Frame& f) { return com::Variant::Object(f.font_); }),
        Map::Let(u"Font", [](Frame& f, V v) { f.Assign(f.font_, ToFont(v), u"Font"); }),
        Map::Set(u"Font", [](Frame& f, V v) { f.Assign(f.font_, ToFont(v), u"Font"); }),
        Map::Get(u"BorderStyle", [](Frame& f) { return com::Variant::Integer(f.borderStyle_); }),
        Map::Let(u"BorderStyle",
                 [](Frame& f, V v) { f.Assign(f.borderStyle_, ToIntegerIn(v, 0, 1), u"BorderStyle"); }),
        Map::Get(u"Enabled", [](Frame& f) { return com::Variant::Boolean(f.enabled_); }),
        Map::Let(u"Enabled", [](Frame& f, V v) { f.AssignEnabled(f.enabled_, v.ToBoolean()); }),
    };
    return map;
  }

  void ReadProperties(IPropertyBag& bag) override {
    caption_ = bag.Read(u"Caption", com::Variant::String(caption_)).ToString();
    backColor_ = ToColor(bag.Read(u"BackColor", ColorValue(backColor_)));
    foreColor_ = ToColor(bag.Read(u"ForeColor", ColorValue(foreColor_)));
    borderStyle_ = bag.Read(u"BorderStyle", com::Variant::Integer(borderStyle_)).ToInteger();
    enabled_ = bag.Read(u"Enabled", com::Variant::Boolean(enabled_)).ToBoolean();
    if (auto f = AsFont(bag.Read(u"Font", com::Variant::Object(font_)))) font_ = f;
    Core().EnableWindow(enabled_);
    UpdateAccessKeys(caption_, true);
  }

  void WriteProperties(IPropertyBag& bag) override {
    const com::Variant none;
    bag.Write(u"Caption", com::Variant::String(caption_), none);
    bag.Write(u"BackColor", ColorValue(backColor_), none);
    bag.Write(u"ForeColor", ColorValue(foreColor_), none);
    bag.Write(u"BorderStyle", com::Variant::Integer(borderStyle_), none);
    bag.Write(u"Enabled", com::Variant::Boolean(enabled_), none);
    bag.Write(u"Font", com::Variant::Object(font_), none);
  }

  void Click() override { Core().Raise(u"Click"); }
  void DblClick() override { Core().Raise(u"DblClick"); }
  void MouseDown(std::int16_t b, std::int16_t s, float x, float y) override { Core().RaiseMouse(u"MouseDown", b, s, x, y); }
  void MouseMove(std::int16_t b, std::int16_t s, float x, float y) override { Core().RaiseMouse(u"MouseMove", b, s, x, y); }
  void MouseUp(std::int16_t b, std::int16_t s, float x, float y) override { Core().RaiseMouse(u"MouseUp", b, s, x, y); }

  void Draw() {
    gfx::Surface& s = Core().BeginDraw(font_->Desc(), backColor_);
    const int w = s.widthPx();
    const int h = s.heightPx();
    const int textHeight = s.Face().Height();
    const int top = textHeight / 2;
    if (borderStyle_ == 1) {
      Core().OutlinePx(1, top + 1, w - 1, h - 1, kButtonHighlight);
      Core().OutlinePx(0, top, w - 2, h - 2, kButtonShadow);
    }
    if (ParseCaption(caption_, true).text.empty()) return;
    const int right = std::min(w, kCaptionLeft + CaptionWidth() + kCaptionGap);
    Core().FillPx(kCaptionLeft - kCaptionGap, 0, right, textHeight, backColor_);
    DrawCaption(kCaptionLeft, 0);
  }

 private:
  std::int16_t borderStyle_ = 1;
};

}  // namespace

com::ComPtr<IControl> CreateFrame() { return com::MakeObject<Frame>(); }

}  // namespace kelvo::forms::stdcontrols

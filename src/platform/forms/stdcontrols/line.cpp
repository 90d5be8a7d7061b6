// Line: a line from (X1, Y1) to (X2, Y2) in its container's twips. The
// control's window covers the line's bounding box (the pen's width
// included); the rest of the window shows what lies behind it.

#include <algorithm>
#include <cmath>

#include "platform/forms/stdcontrols/class_info.h"
#include "platform/forms/stdcontrols/pen.h"
#include "platform/forms/stdcontrols/register.h"
#include "platform/forms/stdcontrols/std_control.h"
#include "platform/forms/stdcontrols/system_colors.h"
#include "platform/gfx/color.h"

namespace kelvo::forms::stdcontrols {
namespace {

constexpr std::int16_t kSolid = 1;

class Line final : public StdControl<Line> {
 public:
  static const com::CoClassInfo& Info() {
    using com::TypeKind;
    static const com::CoClassInfo& info =
        ClassBuilder(u"Line", "{762569E5-4BD7-4921-8D62-1AED1EEE14A1}",
                     com::olemisc::kNoUIActivate | com::olemisc::kSetClientSiteFirst)
            .Prop(u"X1", TypeKind::Single)
            .Prop(u"Y1", TypeKind::Single)
            .Prop(u"X2", TypeKind::Single)
            .Prop(u"Y2", TypeKind::Single)
            .Prop(u"BorderColor", TypeKind::Color)
            .Prop(u"BorderStyle", TypeKind::Integer)
            .Prop(u"BorderWidth", TypeKind::Integer)
            .Build();
    return info;
  }

  static const com::DispatchMap<Line>& Members() {
    using Map = com::DispatchMap<Line>;
    using V = const com::Variant&;
    static const Map map{
        Map::Get(u"X1", [](Line& l) { return com::Variant::Single(l.x1_); }),
        Map::Let(u"X1", [](Line& l, V v) { l.SetEnd(l.x1_, v, u"X1"); }),
        Map::Get(u"Y1", [](Line& l) { return com::Variant::Single(l.y1_); }),
        Map::Let(u"Y1", [](Line& l, V v) { l.SetEnd(l.y1_, v, u"Y1"); }),
        Map::Get(u"X2", [](Line& l) { return com::Variant::Single(l.x2_); }),
        Map::Let(u"X2", [](Line& l, V v) { l.SetEnd(l.x2_, v, u"X2"); }),
        Map::Get(u"Y2", [](Line& l) { return com::Variant::Single(l.y2_); }),
        Map::Let(u"Y2", [](Line& l, V v) { l.SetEnd(l.y2_, v, u"Y2"); }),
        Map::Get(u"BorderColor", [](Line& l) { return ColorValue(l.borderColor_); }),
        Map::Let(u"BorderColor", [](Line& l, V v) { l.Assign(l.borderColor_, ToColor(v), u"BorderColor"); }),
        Map::Get(u"BorderStyle", [](Line& l) { return com::Variant::Integer(l.borderStyle_); }),
        Map::Let(u"BorderStyle",
                 [](Line& l, V v) { l.Assign(l.borderStyle_, ToIntegerIn(v, 0, 6), u"BorderStyle"); }),
        Map::Get(u"BorderWidth", [](Line& l) { return com::Variant::Integer(l.borderWidth_); }),
        Map::Let(u"BorderWidth",
                 [](Line& l, V v) {
                   l.Assign(l.borderWidth_, ToIntegerIn(v, 1, 8192), u"BorderWidth");
                   l.PlaceWindow();
                 }),
    };
    return map;
  }

  // A new line runs across the rectangle it was placed in.
  void InitProperties() override {
    const TwipsRect r = ExtenderRect();
    x1_ = static_cast<float>(r.left);
    y1_ = static_cast<float>(r.top);
    x2_ = static_cast<float>(r.left + r.width);
    y2_ = static_cast<float>(r.top + r.height);
    PlaceWindow();
  }

  void ReadProperties(IPropertyBag& bag) override {
    borderColor_ = ToColor(bag.Read(u"BorderColor", ColorValue(borderColor_)));
    borderStyle_ = bag.Read(u"BorderStyle", com::Variant::Integer(borderStyle_)).ToInteger();
    borderWidth_ = std::max<std::int16_t>(1, bag.Read(u"BorderWidth", com::Variant::Integer(borderWidth_)).ToInteger());
    x1_ = bag.Read(u"X1", com::Variant::Single(x1_)).ToSingle();
    y1_ = bag.Read(u"Y1", com::Variant::Single(y1_)).ToSingle();
    x2_ = bag.Read(u"X2", com::Variant::Single(x2_)).ToSingle();
    y2_ = bag.Read(u"Y2", com::Variant::Single(y2_)).ToSingle();
    PlaceWindow();
  }

  void WriteProperties(IPropertyBag& bag) override {
    const com::Variant none;
    bag.Write(u"BorderColor", ColorValue(borderColor_), none);
    bag.Write(u"BorderStyle", com::Variant::Integer(borderStyle_), none);
    bag.Write(u"BorderWidth", com::Variant::Integer(borderWidth_), none);
    bag.Write(u"X1", com::Variant::Single(x1_), none);
    bag.Write(u"Y1", com::Variant::Single(y1_), none);
    bag.Write(u"X2", com::Variant::Single(x2_), none);
    bag.Write(u"Y2", com::Variant::Single(y2_), none);
  }

  void Draw() {
    if (placing_) return;
    Core().PaintParentBackground();
    const int px = Core().PxX();
    const int py = Core().PxY();
    const float left = std::min(x1_, x2_);
    const float top = std::min(y1_, y2_);
    const int half = (borderWidth_ - 1) / 2;
    auto toPx = [](float twips, int tpp) { return static_cast<int>(std::lround(twips / static_cast<float>(tpp))); };
    DrawPenLine(Core().Surface(), toPx(x1_ - left, px) + half, toPx(y1_ - top, py) + half,
                toPx(x2_ - left, px) + half, toPx(y2_ - top, py) + half, borderWidth_, borderStyle_,
                gfx::ResolveColor(borderColor_));
  }

 private:
  TwipsRect ExtenderRect() const {
    const auto ext = Site().Extender();
    std::vector<com::Variant> none;
    return {ext->Invoke(u"Left", com::InvokeKind::Get, none).ToDouble(),
            ext->Invoke(u"Top", com::InvokeKind::Get, none).ToDouble(),
            ext->Invoke(u"Width", com::InvokeKind::Get, none).ToDouble(),
            ext->Invoke(u"Height", com::InvokeKind::Get, none).ToDouble()};
  }

  void SetEnd(float& field, const com::Variant& v, std::u16string_view name) {
    field = v.ToSingle();
    Site().PropertyChanged(name);
    PlaceWindow();
    Draw();
  }

  // The window covers the bounding box of both ends and the pen.
  void PlaceWindow() {
    const double pen = static_cast<double>(borderWidth_);
    const auto ext = Site().Extender();
    std::vector<com::Variant> rect{
        com::Variant::Double(std::min(x1_, x2_)), com::Variant::Double(std::min(y1_, y2_)),
        com::Variant::Double(std::abs(x2_ - x1_) + pen * Core().PxX()),
        com::Variant::Double(std::abs(y2_ - y1_) + pen * Core().PxY())};
    placing_ = true;
    try {
      for (std::size_t i = 0; i < rect.size(); ++i) {
        static constexpr std::u16string_view kKeys[] = {u"Left", u"Top", u"Width", u"Height"};
        std::span<com::Variant> value(&rect[i], 1);
        ext->Invoke(kKeys[i], com::InvokeKind::Let, value);
      }
    } catch (...) {
      placing_ = false;
      throw;
    }
    placing_ = false;
  }

  float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  gfx::OleColor borderColor_ = kWindowText;
  std::int16_t borderStyle_ = kSolid;
  std::int16_t borderWidth_ = 1;
  bool placing_ = false;  // moving the window: the Resize in between draws nothing
};

}  // namespace

com::ComPtr<IControl> CreateLine() { return com::MakeObject<Line>(); }

}  // namespace kelvo::forms::stdcontrols

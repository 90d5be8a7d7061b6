// Shape: a rectangle, square, oval, circle, rounded rectangle or rounded
// square filling (or centred in) the control, with a back colour, a fill
// pattern and a border.

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

constexpr int kHatchSpacing = 8;

enum : std::int16_t { kRectangle, kSquare, kOval, kCircle, kRoundedRectangle, kRoundedSquare };
enum : std::int16_t { kFillSolid = 0, kFillTransparent = 1, kHorizontal, kVertical, kUpward, kDownward, kCross, kDiagonalCross };

// The figure inside the control, in pixels.
struct Figure {
  std::int16_t kind = kRectangle;
  int left = 0, top = 0, width = 0, height = 0;

  // Whether pixel (x, y) lies inside the figure shrunk by `inset` pixels on every side.
  bool Inside(int x, int y, int inset) const {
    const double l = left + inset, t = top + inset;
    const double w = width - 2.0 * inset, h = height - 2.0 * inset;
    if (w <= 0 || h <= 0) return false;
    const double cx = x + 0.5, cy = y + 0.5;
    if (cx < l || cy < t || cx > l + w || cy > t + h) return false;
    if (kind == kOval || kind == kCircle) {
      const double nx = (cx - l - w / 2) / (w / 2);
      const double ny = (cy - t - h / 2) / (h / 2);
      return nx * nx + ny * ny <= 1.0;
    }
    if (kind == kRoundedRectangle || kind == kRoundedSquare) {
      const double r = std::max(0.0, std::min(width, height) / 6.0 - inset);
      const double qx = std::max({l + r - cx, cx - (l + w - r), 0.0});
      const double qy = std::max({t + r - cy, cy - (t + h - r), 0.0});
      return qx * qx + qy * qy <= r * r;
    }
    return true;
  }
};

bool HatchAt(std::int16_t style, int x, int y) {
  const bool horizontal = y % kHatchSpacing == 0;
  const bool vertical = x % kHatchSpacing == 0;
  const bool upward = (x + y) % kHatchSpacing == 0;
  const bool downward = ((x - y) % kHatchSpacing + kHatchSpacing) % kHatchSpacing == 0;
  switch (style) {
    case kFillSolid:
      return true;
    case kHorizontal:
      return horizontal;
    case kVertical:
      return vertical;
    case kUpward:
      return upward;
    case kDownward:
      return downward;
    case kCross:
      return horizontal || vertical;
    case kDiagonalCross:
      return upward || downward;
    default:
      return false;
  }
}

class Shape final : public StdControl<Shape> {
 public:
  static const com::CoClassInfo& Info() {
    using com::TypeKind;
    static const com::CoClassInfo& info =
        ClassBuilder(u"Shape", "{81D10834-1B4C-40D0-896D-B179AE2B5157}",
                     com::olemisc::kNoUIActivate | com::olemisc::kSetClientSiteFirst)
            .Prop(u"Shape", TypeKind::Integer)
            .Prop(u"BackColor", TypeKind::Color)
            .Prop(u"BackStyle", TypeKind::Integer)
            .Prop(u"BorderColor", TypeKind::Color)
            .Prop(u"BorderStyle", TypeKind::Integer)
            .Prop(u"BorderWidth", TypeKind::Integer)
            .Prop(u"FillColor", TypeKind::Color)
            .Prop(u"FillStyle", TypeKind::Integer)
            .Build();
    return info;
  }

  static const com::DispatchMap<Shape>& Members() {
    using Map = com::DispatchMap<Shape>;
    using V = const com::Variant&;
    static const Map map{
        Map::Get(u"Shape", [](Shape& s) { return com::Variant::Integer(s.shape_); }),
        Map::Let(u"Shape", [](Shape& s, V v) { s.Assign(s.shape_, ToIntegerIn(v, 0, 5), u"Shape"); }),
        Map::Get(u"BackColor", [](Shape& s) { return ColorValue(s.backColor_); }),
        Map::Let(u"BackColor", [](Shape& s, V v) { s.Assign(s.backColor_, ToColor(v), u"BackColor"); }),
        Map::Get(u"BackStyle", [](Shape& s) { return com::Variant::Integer(s.backStyle_); }),
        Map::Let(u"BackStyle", [](Shape& s, V v) { s.Assign(s.backStyle_, ToIntegerIn(v, 0, 1), u"BackStyle"); }),
        Map::Get(u"BorderColor", [](Shape& s) { return ColorValue(s.borderColor_); }),
        Map::Let(u"BorderColor", [](Shape& s, V v) { s.Assign(s.borderColor_, ToColor(v), u"BorderColor"); }),
        Map::Get(u"BorderStyle", [](Shape& s) { return com::Variant::Integer(s.borderStyle_); }),
        Map::Let(u"BorderStyle",
                 [](Shape& s, V v) { s.Assign(s.borderStyle_, ToIntegerIn(v, 0, 6), u"BorderStyle"); }),
        Map::Get(u"BorderWidth", [](Shape& s) { return com::Variant::Integer(s.borderWidth_); }),
        Map::Let(u"BorderWidth",
                 [](Shape& s, V v) { s.Assign(s.borderWidth_, ToIntegerIn(v, 1, 8192), u"BorderWidth"); }),
        Map::Get(u"FillColor", [](Shape& s) { return ColorValue(s.fillColor_); }),
        Map::Let(u"FillColor", [](Shape& s, V v) { s.Assign(s.fillColor_, ToColor(v), u"FillColor"); }),
        Map::Get(u"FillStyle", [](Shape& s) { return com::Variant::Integer(s.fillStyle_); }),
        Map::Let(u"FillStyle", [](Shape& s, V v) { s.Assign(s.fillStyle_, ToIntegerIn(v, 0, 7), u"FillStyle"); }),
    };
    return map;
  }

  void ReadProperties(IPropertyBag& bag) override {
    backColor_ = ToColor(bag.Read(u"BackColor", ColorValue(backColor_)));
    backStyle_ = bag.Read(u"BackStyle", com::Variant::Integer(backStyle_)).ToInteger();
    borderColor_ = ToColor(bag.Read(u"BorderColor", ColorValue(borderColor_)));
    borderStyle_ = bag.Read(u"BorderStyle", com::Variant::Integer(borderStyle_)).ToInteger();
    borderWidth_ = std::max<std::int16_t>(1, bag.Read(u"BorderWidth", com::Variant::Integer(borderWidth_)).ToInteger());
    fillColor_ = ToColor(bag.Read(u"FillColor", ColorValue(fillColor_)));
    fillStyle_ = bag.Read(u"FillStyle", com::Variant::Integer(fillStyle_)).ToInteger();
    shape_ = bag.Read(u"Shape", com::Variant::Integer(shape_)).ToInteger();
  }

  void WriteProperties(IPropertyBag& bag) override {
    const com::Variant none;
    bag.Write(u"BackColor", ColorValue(backColor_), none);
    bag.Write(u"BackStyle", com::Variant::Integer(backStyle_), none);
    bag.Write(u"BorderColor", ColorValue(borderColor_), none);
    bag.Write(u"BorderStyle", com::Variant::Integer(borderStyle_), none);
    bag.Write(u"BorderWidth", com::Variant::Integer(borderWidth_), none);
    bag.Write(u"FillColor", ColorValue(fillColor_), none);
    bag.Write(u"FillStyle", com::Variant::Integer(fillStyle_), none);
    bag.Write(u"Shape", com::Variant::Integer(shape_), none);
  }

  void Draw() {
    gfx::Surface& s = Core().Surface();
    Core().PaintParentBackground();
    const Figure f = MakeFigure(s.widthPx(), s.heightPx());
    const int border = borderStyle_ == 0 ? 0 : borderWidth_;
    const gfx::Rgb back = gfx::ResolveColor(backColor_);
    const gfx::Rgb fill = gfx::ResolveColor(fillColor_);
    const gfx::Rgb pen = gfx::ResolveColor(borderColor_);
    for (int y = 0; y < s.heightPx(); ++y) {
      for (int x = 0; x < s.widthPx(); ++x) {
        if (!f.Inside(x, y, 0)) continue;
        if (border > 0 && !f.Inside(x, y, border)) {
          if (PenDraws(borderStyle_, borderWidth_, OutlineStep(f, x, y))) s.FillRectPx({x, y, x + 1, y + 1}, pen);
          continue;
        }
        if (fillStyle_ != kFillTransparent && HatchAt(fillStyle_, x, y)) {
          s.FillRectPx({x, y, x + 1, y + 1}, fill);
        } else if (backStyle_ == 1) {
          s.FillRectPx({x, y, x + 1, y + 1}, back);
        }
      }
    }
  }

 private:
  Figure MakeFigure(int w, int h) const {
    Figure f{shape_, 0, 0, w, h};
    if (shape_ == kSquare || shape_ == kCircle || shape_ == kRoundedSquare) {
      const int side = std::min(w, h);
      f.left = (w - side) / 2;
      f.top = (h - side) / 2;
      f.width = f.height = side;
    }
    return f;
  }

  // A position along the outline for dash patterns: the distance travelled
  // clockwise from the top-left corner, roughly.
  static int OutlineStep(const Figure& f, int x, int y) {
    const int rx = x - f.left;
    const int ry = y - f.top;
    if (ry <= 0) return rx;
    if (rx >= f.width - 1) return f.width + ry;
    if (ry >= f.height - 1) return f.width + f.height + (f.width - rx);
    return 2 * f.width + f.height + (f.height - ry);
  }

  std::int16_t shape_ = kRectangle;
  gfx::OleColor backColor_ = kWindowBackground;
  std::int16_t backStyle_ = 0;
  gfx::OleColor borderColor_ = kWindowText;
  std::int16_t borderStyle_ = 1;
  std::int16_t borderWidth_ = 1;
  gfx::OleColor fillColor_ = 0;
  std::int16_t fillStyle_ = kFillTransparent;
};

}  // namespace

com::ComPtr<IControl> CreateShape() { return com::MakeObject<Shape>(); }

}  // namespace kelvo::forms::stdcontrols

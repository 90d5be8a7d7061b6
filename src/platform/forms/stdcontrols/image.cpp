// Image: a picture at its own size (the control takes the picture's size)
// or stretched over the control, optionally bordered; transparent elsewhere.

#include "platform/forms/stdcontrols/class_info.h"
#include "platform/forms/stdcontrols/register.h"
#include "platform/forms/stdcontrols/std_control.h"
#include "platform/forms/stdcontrols/system_colors.h"

namespace kelvo::forms::stdcontrols {
namespace {

class Image final : public StdControl<Image> {
 public:
  static const com::CoClassInfo& Info() {
    using com::TypeKind;
    static const com::CoClassInfo& info =
        ClassBuilder(u"Image", "{2E250559-AB90-44D9-9B54-4D8127D18B0D}",
                     com::olemisc::kNoUIActivate | com::olemisc::kSetClientSiteFirst)
            .ObjectProp(u"Picture", TypeKind::Picture)
            .Prop(u"Stretch", TypeKind::Boolean)
            .Prop(u"BorderStyle", TypeKind::Integer)
            .Prop(u"Enabled", TypeKind::Boolean)
            .MouseEvents()
            .DefaultEvent(u"Click")
            .Build();
    return info;
  }

  static const com::DispatchMap<Image>& Members() {
    using Map = com::DispatchMap<Image>;
    using V = const com::Variant&;
    static const Map map{
        Map::Get(u"Picture", [](Image& i) { return com::Variant::Object(i.picture_); }),
        Map::Let(u"Picture", [](Image& i, V v) { i.SetPicture(ToPicture(v)); }),
        Map::Set(u"Picture", [](Image& i, V v) { i.SetPicture(ToPicture(v)); }),
        Map::Get(u"Stretch", [](Image& i) { return com::Variant::Boolean(i.stretch_); }),
        Map::Let(u"Stretch",
                 [](Image& i, V v) {
                   i.Assign(i.stretch_, v.ToBoolean(), u"Stretch");
                   i.FitToPicture();
                 }),
        Map::Get(u"BorderStyle", [](Image& i) { return com::Variant::Integer(i.borderStyle_); }),
        Map::Let(u"BorderStyle",
                 [](Image& i, V v) {
                   i.Assign(i.borderStyle_, ToIntegerIn(v, 0, 1), u"BorderStyle");
                   i.FitToPicture();
                 }),
        Map::Get(u"Enabled", [](Image& i) { return com::Variant::Boolean(i.Core().WindowEnabled()); }),
        Map::Let(u"Enabled",
                 [](Image& i, V v) {
                   i.Core().EnableWindow(v.ToBoolean());
                   i.Site().PropertyChanged(u"Enabled");
                 }),
    };
    return map;
  }

  void ReadProperties(IPropertyBag& bag) override {
    borderStyle_ = bag.Read(u"BorderStyle", com::Variant::Integer(borderStyle_)).ToInteger();
    picture_ = ToPicture(bag.Read(u"Picture", com::Variant::Object(picture_)));
    stretch_ = bag.Read(u"Stretch", com::Variant::Boolean(stretch_)).ToBoolean();
    FitToPicture();
  }

  void WriteProperties(IPropertyBag& bag) override {
    const com::Variant none;
    bag.Write(u"BorderStyle", com::Variant::Integer(borderStyle_), none);
    bag.Write(u"Picture", com::Variant::Object(picture_), none);
    bag.Write(u"Stretch", com::Variant::Boolean(stretch_), none);
  }

  void Click() override { Core().Raise(u"Click"); }
  void DblClick() override { Core().Raise(u"DblClick"); }
  void MouseDown(std::int16_t b, std::int16_t s, float x, float y) override { Core().RaiseMouse(u"MouseDown", b, s, x, y); }
  void MouseMove(std::int16_t b, std::int16_t s, float x, float y) override { Core().RaiseMouse(u"MouseMove", b, s, x, y); }
  void MouseUp(std::int16_t b, std::int16_t s, float x, float y) override { Core().RaiseMouse(u"MouseUp", b, s, x, y); }

  void Draw() {
    gfx::Surface& s = Core().Surface();
    Core().PaintParentBackground();
    const int b = Border();
    const int w = s.widthPx();
    const int h = s.heightPx();
    if (picture_ && !picture_->Picture().empty()) {
      const gfx::Image& p = picture_->Picture();
      const int pw = stretch_ ? w - 2 * b : p.width();
      const int ph = stretch_ ? h - 2 * b : p.height();
      s.PaintPicture(p, static_cast<double>(b) * Core().PxX(), static_cast<double>(b) * Core().PxY(),
                     static_cast<double>(pw) * Core().PxX(), static_cast<double>(ph) * Core().PxY());
    }
    if (b != 0) Core().OutlinePx(0, 0, w - 1, h - 1, kWindowFrame);
  }

 private:
  int Border() const { return borderStyle_ == 1 ? 1 : 0; }

  void SetPicture(com::ComPtr<IPictureObject> picture) {
    picture_ = std::move(picture);
    Site().PropertyChanged(u"Picture");
    FitToPicture();
    Draw();
  }

  // Without Stretch the control takes the picture's size.
  void FitToPicture() {
    if (stretch_ || !picture_ || picture_->Picture().empty() || !HasSite()) return;
    const gfx::Image& p = picture_->Picture();
    Site().SetSize(static_cast<double>(p.width() + 2 * Border()) * Core().PxX(),
                   static_cast<double>(p.height() + 2 * Border()) * Core().PxY());
  }

  com::ComPtr<IPictureObject> picture_;
  bool stretch_ = false;
  std::int16_t borderStyle_ = 0;
};

}  // namespace

com::ComPtr<IControl> CreateImage() { return com::MakeObject<Image>(); }

}  // namespace kelvo::forms::stdcontrols

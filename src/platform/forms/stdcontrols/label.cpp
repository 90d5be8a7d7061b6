// Label: a caption in its font, aligned left, right or centred, wrapped at
// its width, opaque or transparent, optionally bordered and sized to fit.

#include "platform/forms/stdcontrols/caption_text.h"
#include "platform/forms/stdcontrols/class_info.h"
#include "platform/forms/stdcontrols/register.h"
#include "platform/forms/stdcontrols/std_control.h"
#include "platform/forms/stdcontrols/system_colors.h"

namespace kelvo::forms::stdcontrols {
namespace {

enum : std::int16_t { kAlignLeft = 0, kAlignRight = 1, kAlignCenter = 2 };
enum : std::int16_t { kTransparent = 0, kOpaque = 1 };

class Label final : public StdControl<Label> {
 public:
  static const com::CoClassInfo& Info() {
    using com::TypeKind;
    static const com::CoClassInfo& info =
        ClassBuilder(u"Label", "{8374B9D1-BAAA-41C9-9DD3-0E97E9827E44}",
                     com::olemisc::kActsLikeLabel | com::olemisc::kNoUIActivate | com::olemisc::kSetClientSiteFirst)
            .Prop(u"Caption", TypeKind::String)
            .Prop(u"Alignment", TypeKind::Integer)
            .Prop(u"AutoSize", TypeKind::Boolean)
            .Prop(u"BackStyle", TypeKind::Integer)
            .Prop(u"BackColor", TypeKind::Color)
            .Prop(u"ForeColor", TypeKind::Color)
            .Prop(u"BorderStyle", TypeKind::Integer)
            .ObjectProp(u"Font", TypeKind::Font)
            .Prop(u"WordWrap", TypeKind::Boolean)
            .Prop(u"Enabled", TypeKind::Boolean)
            .Prop(u"UseMnemonic", TypeKind::Boolean)
            .MouseEvents()
            .Event(u"Change")
            .DefaultEvent(u"Click")
            .Build();
    return info;
  }

  static const com::DispatchMap<Label>& Members() {
    using Map = com::DispatchMap<Label>;
    using V = const com::Variant&;
    static const Map map{
        Map::Get(u"Caption", [](Label& l) { return com::Variant::String(l.caption_); }),
        Map::Let(u"Caption", [](Label& l, V v) { l.SetCaption(v.ToString()); }),
        Map::Get(u"Alignment", [](Label& l) { return com::Variant::Integer(l.alignment_); }),
        Map::Let(u"Alignment", [](Label& l, V v) { l.Assign(l.alignment_, ToIntegerIn(v, 0, 2), u"Alignment"); }),
        Map::Get(u"AutoSize", [](Label& l) { return com::Variant::Boolean(l.autoSize_); }),
        Map::Let(u"AutoSize", [](Label& l, V v) { l.Assign(l.autoSize_, v.ToBoolean(), u"AutoSize"); }),
        Map::Get(u"BackStyle", [](Label& l) { return com::Variant::Integer(l.backStyle_); }),
        Map::Let(u"BackStyle", [](Label& l, V v) { l.Assign(l.backStyle_, ToIntegerIn(v, 0, 1), u"BackStyle"); }),
        Map::Get(u"BackColor", [](Label& l) { return ColorValue(l.backColor_); }),
        Map::Let(u"BackColor", [](Label& l, V v) { l.Assign(l.backColor_, ToColor(v), u"BackColor"); }),
        Map::Get(u"ForeColor", [](Label& l) { return ColorValue(l.foreColor_); }),
        Map::Let(u"ForeColor", [](Label& l, V v) { l.Assign(l.foreColor_, ToColor(v), u"ForeColor"); }),
        Map::Get(u"BorderStyle", [](Label& l) { return com::Variant::Integer(l.borderStyle_); }),
        Map::Let(u"BorderStyle",
                 [](Label& l, V v) { l.Assign(l.borderStyle_, ToIntegerIn(v, 0, 1), u"BorderStyle"); }),
        Map::Get(u"Font", [](Label& l) { return com::Variant::Object(l.font_); }),
        Map::Let(u"Font", [](Label& l, V v) { l.Assign(l.font_, ToFont(v), u"Font"); }),
        Map::Set(u"Font", [](Label& l, V v) { l.Assign(l.font_, ToFont(v), u"Font"); }),
        Map::Get(u"WordWrap", [](Label& l) { return com::Variant::Boolean(l.wordWrap_); }),
        Map::Let(u"WordWrap", [](Label& l, V v) { l.Assign(l.wordWrap_, v.ToBoolean(), u"WordWrap"); }),
        Map::Get(u"Enabled", [](Label& l) { return com::Variant::Boolean(l.enabled_); }),
        Map::Let(u"Enabled", [](Label& l, V v) { l.AssignEnabled(l.enabled_, v.ToBoolean()); }),
        Map::Get(u"UseMnemonic", [](Label& l) { return com::Variant::Boolean(l.useMnemonic_); }),
        Map::Let(u"UseMnemonic",
                 [](Label& l, V v) {
                   l.Assign(l.useMnemonic_, v.ToBoolean(), u"UseMnemonic");
                   l.UpdateAccessKeys(l.caption_, l.useMnemonic_);
                 }),
    };
    return map;
  }

  void Initialize() override { font_ = CreateFontObject(gfx::FontDesc{}); }

  void InitProperties() override {
    caption_ = Site().AmbientDisplayName();
    font_ = ToFont(com::Variant::Object(Site().AmbientFont()));
    UpdateAccessKeys(caption_, useMnemonic_);
  }

  void ReadProperties(IPropertyBag& bag) override {
    caption_ = bag.Read(u"Caption", com::Variant::String(caption_)).ToString();
    alignment_ = bag.Read(u"Alignment", com::Variant::Integer(alignment_)).ToInteger();
    autoSize_ = bag.Read(u"AutoSize", com::Variant::Boolean(autoSize_)).ToBoolean();
    backStyle_ = bag.Read(u"BackStyle", com::Variant::Integer(backStyle_)).ToInteger();
    backColor_ = ToColor(bag.Read(u"BackColor", ColorValue(backColor_)));
    foreColor_ = ToColor(bag.Read(u"ForeColor", ColorValue(foreColor_)));
    borderStyle_ = bag.Read(u"BorderStyle", com::Variant::Integer(borderStyle_)).ToInteger();
    if (auto f = AsFont(bag.Read(u"Font", com::Variant::Object(font_)))) font_ = f;
    wordWrap_ = bag.Read(u"WordWrap", com::Variant::Boolean(wordWrap_)).ToBoolean();
    enabled_ = bag.Read(u"Enabled", com::Variant::Boolean(enabled_)).ToBoolean();
    useMnemonic_ = bag.Read(u"UseMnemonic", com::Variant::Boolean(useMnemonic_)).ToBoolean();
    Core().EnableWindow(enabled_);
    UpdateAccessKeys(caption_, useMnemonic_);
  }

  void WriteProperties(IPropertyBag& bag) override {
    const com::Variant none;
    bag.Write(u"Caption", com::Variant::String(caption_), none);
    bag.Write(u"Alignment", com::Variant::Integer(alignment_), none);
    bag.Write(u"AutoSize", com::Variant::Boolean(autoSize_), none);
    bag.Write(u"BackStyle", com::Variant::Integer(backStyle_), none);
    bag.Write(u"BackColor", ColorValue(backColor_), none);
    bag.Write(u"ForeColor", ColorValue(foreColor_), none);
    bag.Write(u"BorderStyle", com::Variant::Integer(borderStyle_), none);
    bag.Write(u"Font", com::Variant::Object(font_), none);
    bag.Write(u"WordWrap", com::Variant::Boolean(wordWrap_), none);
    bag.Write(u"Enabled", com::Variant::Boolean(enabled_), none);
    bag.Write(u"UseMnemonic", com::Variant::Boolean(useMnemonic_), none);
  }

  void Click() override { Core().Raise(u"Click"); }
  void DblClick() override { Core().Raise(u"DblClick"); }
  void MouseDown(std::int16_t b, std::int16_t s, float x, float y) override { Core().RaiseMouse(u"MouseDown", b, s, x, y); }
  void MouseMove(std::int16_t b, std::int16_t s, float x, float y) override { Core().RaiseMouse(u"MouseMove", b, s, x, y); }
  void MouseUp(std::int16_t b, std::int16_t s, float x, float y) override { Core().RaiseMouse(u"MouseUp", b, s, x, y); }

  void Draw() {
    gfx::Surface& s = Core().Surface();
    s.SetFont(font_->Desc());
    const Caption caption = ParseCaption(caption_, useMnemonic_);
    const int border = borderStyle_ == 1 ? 1 : 0;
    if (autoSize_ && FitToText(caption, border)) return;  // the resize drew it
    s.SetBackColor(backColor_);
    if (backStyle_ == kOpaque) {
      s.Clear();
    } else {
      Core().PaintParentBackground();
    }
    const int w = s.widthPx();
    const int h = s.heightPx();
    if (border != 0) Core().OutlinePx(0, 0, w - 1, h - 1, kWindowFrame);
    const std::vector<TextLine> lines = Lines(caption, w - 2 * border);
    const gfx::OleColor color = enabled_ ? foreColor_ : kGrayText;
    const int lineHeight = s.Face().Height();
    if (!lines.empty() && !caption.text.empty()) s.RecordPrint(caption.text, LineLeft(lines[0], w, border), border, color);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const int y = border + static_cast<int>(i) * lineHeight;
      DrawTextLine(s, LineLeft(lines[i], w, border), y, lines[i], color, caption.mnemonic);
    }
  }

 private:
  std::vector<TextLine> Lines(const Caption& caption, int widthPx) const {
    const bool wrap = !autoSize_ || wordWrap_;
    return LayoutLines(Core().Surface().Face(), caption.text, widthPx, wrap);
  }

  int LineLeft(const TextLine& line, int w, int border) const {
    const int free = w - 2 * border - Core().Surface().Face().Width(line.text);
    if (alignment_ == kAlignRight) return border + free;
    if (alignment_ == kAlignCenter) return border + free / 2;
    return border;
  }

  // Resizes the label to its text; true when the size changed (the nested
  // Resize has drawn the label then).
  bool FitToText(const Caption& caption, int border) {
    const gfx::Surface& s = Core().Surface();
    const std::vector<TextLine> lines = Lines(caption, s.widthPx() - 2 * border);
    const int widthPx = wordWrap_ ? s.widthPx() : WidestLine(s.Face(), lines) + 2 * border;
    const int heightPx = static_cast<int>(lines.size()) * s.Face().Height() + 2 * border;
    if (widthPx == s.widthPx() && heightPx == s.heightPx()) return false;
    Site().SetSize(static_cast<double>(widthPx) * Core().PxX(), static_cast<double>(heightPx) * Core().PxY());
    return Core().Surface().widthPx() == widthPx && Core().Surface().heightPx() == heightPx;
  }

  void SetCaption(std::u16string caption) {
    Assign(caption_, std::move(caption), u"Caption");
    UpdateAccessKeys(caption_, useMnemonic_);
    Core().Raise(u"Change");
  }

  std::u16string caption_;
  std::int16_t alignment_ = kAlignLeft;
  bool autoSize_ = false;
  std::int16_t backStyle_ = kOpaque;
  gfx::OleColor backColor_ = kButtonFace;
  gfx::OleColor foreColor_ = kButtonText;
  std::int16_t borderStyle_ = 0;
  com::ComPtr<IFontObject> font_;
  bool wordWrap_ = false;
  bool enabled_ = true;
  bool useMnemonic_ = true;
};

}  // namespace

com::ComPtr<IControl> CreateLabel() { return com::MakeObject<Label>(); }

}  // namespace kelvo::forms::stdcontrols

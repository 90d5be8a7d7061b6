// ComboBox: a drop-down list. The list opens (DropDown) as a pop-up of its
// items on a click or Alt+Down/F4; choosing an item, the Up and Down keys, a
// typed first letter, or setting ListIndex selects it and raises Click. With
// Style 0 (drop-down combo) code may also set a Text that is not an item.

#include <algorithm>

#include "platform/base/text.h"
#include "platform/forms/stdcontrols/class_info.h"
#include "platform/forms/stdcontrols/edges.h"
#include "platform/forms/stdcontrols/register.h"
#include "platform/forms/stdcontrols/std_control.h"
#include "platform/gfx/color.h"
#include "platform/win/window_system.h"

namespace kelvo::forms::stdcontrols {
namespace {

enum : std::int16_t { kVkEnd = 35, kVkHome = 36, kVkUp = 38, kVkDown = 40, kVkF4 = 115 };
constexpr int kAltKey = 4;
constexpr int kButtonWidth = 16;
constexpr std::int16_t kDropdownList = 2;
constexpr std::int32_t kMaxItems = 32767;

class ComboBox final : public StdControl<ComboBox> {
 public:
  static const com::CoClassInfo& Info() {
    using com::TypeKind;
    using com::ParamInfo;
    static const com::CoClassInfo& info =
        ClassBuilder(u"ComboBox", "{75F393EE-16F4-42FC-AFBD-3BC1BBE90112}",
                     com::olemisc::kActivateWhenVisible | com::olemisc::kSetClientSiteFirst)
            .Prop(u"Text", TypeKind::String)
            .Prop(u"ListIndex", TypeKind::Integer)
            .ReadOnly(u"ListCount", TypeKind::Integer)
            .Prop(u"List", TypeKind::String)
            .Prop(u"Style", TypeKind::Integer)
            .Prop(u"Sorted", TypeKind::Boolean)
            .Prop(u"Enabled", TypeKind::Boolean)
            .Prop(u"BackColor", TypeKind::Color)
            .Prop(u"ForeColor", TypeKind::Color)
            .ObjectProp(u"Font", TypeKind::Font)
            .Method(u"AddItem", TypeKind::Void, {Param(u"Item", TypeKind::String), Param(u"Index", TypeKind::Variant)})
            .Method(u"RemoveItem", TypeKind::Void, {Param(u"Index", TypeKind::Integer)})
            .Method(u"Clear", TypeKind::Void)
            .Event(u"Click")
            .Event(u"DblClick")
            .Event(u"DropDown")
            .Event(u"Change")
            .KeyEvents()
            .DefaultEvent(u"Change")
            .Build();
    return info;
  }

  static const com::DispatchMap<ComboBox>& Members() {
    using Map = com::DispatchMap<ComboBox>;
    using V = const com::Variant&;
    using C = ComboBox;
    static const Map map{
        Map::Get(u"Text", [](C& c) { return com::Variant::String(c.Text()); }),
        Map::Let(u"Text", [](C& c, V v) { c.SetText(v.ToString()); }),
        Map::Get(u"ListIndex", [](C& c) { return com::Variant::Integer(c.index_); }),
        Map::Let(u"ListIndex",
                 [](C& c, V v) {
                   const std::int16_t i = v.ToInteger();
                   if (i < -1 || i >= c.Count()) throw com::Error(com::err::kInvalidPropertyValue);
                   c.Select(i);
                 }),
        Map::Get(u"ListCount", [](C& c) { return com::Variant::Integer(c.Count()); }),
        Map::Get(u"List", 1,
                 [](C& c, Map::Args a) { return com::Variant::String(c.items_.at(c.ItemIndex(a[0]))); }),
        Map::Let(u"List", 1,
                 [](C& c, Map::Args a) {
                   c.items_.at(c.ItemIndex(a[0])) = a[1].ToString();
                   c.Draw();
                 }),
        Map::Get(u"Style", [](C& c) { return com::Variant::Integer(c.style_); }),
        Map::Let(u"Style", [](C& c, V v) { c.Assign(c.style_, ToIntegerIn(v, 0, 2), u"Style"); }),
        Map::Get(u"Sorted", [](C& c) { return com::Variant::Boolean(c.sorted_); }),
        Map::Let(u"Sorted", [](C& c, V v) { c.Assign(c.sorted_, v.ToBoolean(), u"Sorted"); }),
        Map::Get(u"Enabled", [](C& c) { return com::Variant::Boolean(c.enabled_); }),
        Map::Let(u"Enabled", [](C& c, V v) { c.AssignEnabled(c.enabled_, v.ToBoolean()); }),
        Map::Get(u"BackColor", [](C& c) { return ColorValue(c.backColor_); }),
        Map::Let(u"BackColor", [](C& c, V v) { c.Assign(c.backColor_, ToColor(v), u"BackColor"); }),
        Map::Get(u"ForeColor", [](C& c) { return ColorValue(c.foreColor_); }),
        Map::Let(u"ForeColor", [](C& c, V v) { c.Assign(c.foreColor_, ToColor(v), u"ForeColor"); }),
        Map::Get(u"Font", [](C& c) { return com::Variant::Object(c.font_); }),
        Map::Let(u"Font", [](C& c, V v) { c.Assign(c.font_, ToFont(v), u"Font"); }),
        Map::Set(u"Font", [](C& c, V v) { c.Assign(c.font_, ToFont(v), u"Font"); }),
        Map::Method(u"AddItem", 1, 1,
                    [](C& c, Map::Args a) {
                      c.AddItem(a[0].ToString(), a.size() > 1 && !a[1].IsEmpty() ? c.InsertIndex(a[1]) : -1);
                      return com::Variant();
                    }),
        Map::Method(u"RemoveItem", 1,
                    [](C& c, Map::Args a) {
                      c.RemoveItem(c.ItemIndex(a[0]));
                      return com::Variant();
                    }),
        Map::Method(u"Clear", 0,
                    [](C& c, Map::Args) {
                      c.items_.clear();
                      c.index_ = -1;
                      c.text_.clear();
                      c.Draw();
                      return com::Variant();
                    }),
    };
    return map;
  }

  void Initialize() override { font_ = CreateFontObject(gfx::FontDesc{}); }

  void InitProperties() override {
    font_ = ToFont(com::Variant::Object(Site().AmbientFont()));
    if (style_ != kDropdownList) text_ = Site().AmbientDisplayName();
  }

  void ReadProperties(IPropertyBag& bag) override {
    style_ = bag.Read(u"Style", com::Variant::Integer(style_)).ToInteger();
    sorted_ = bag.Read(u"Sorted", com::Variant::Boolean(sorted_)).ToBoolean();
    enabled_ = bag.Read(u"Enabled", com::Variant::Boolean(enabled_)).ToBoolean();
    backColor_ = ToColor(bag.Read(u"BackColor", ColorValue(backColor_)));
    foreColor_ = ToColor(bag.Read(u"ForeColor", ColorValue(foreColor_)));
    if (auto f = AsFont(bag.Read(u"Font", com::Variant::Object(font_)))) font_ = f;
    items_ = SplitItems(bag.Read(u"List", com::Variant::String(u"")).ToString());
    text_ = bag.Read(u"Text", com::Variant::String(text_)).ToString();
    Core().EnableWindow(enabled_);
  }

  void WriteProperties(IPropertyBag& bag) override {
    const com::Variant none;
    bag.Write(u"Style", com::Variant::Integer(style_), none);
    bag.Write(u"Sorted", com::Variant::Boolean(sorted_), none);
    bag.Write(u"Enabled", com::Variant::Boolean(enabled_), none);
    bag.Write(u"BackColor", ColorValue(backColor_), none);
    bag.Write(u"ForeColor", ColorValue(foreColor_), none);
    bag.Write(u"Font", com::Variant::Object(font_), none);
    bag.Write(u"List", com::Variant::String(JoinItems()), none);
    bag.Write(u"Text", com::Variant::String(style_ == kDropdownList ? std::u16string() : text_), none);
  }

  void GotFocus() override {
    hasFocus_ = true;
    Draw();
  }

  void LostFocus() override {
    hasFocus_ = false;
    Draw();
  }

  void KeyDown(std::int16_t& code, std::int16_t& shift) override {
    Core().RaiseKey(u"KeyDown", code, shift);
    if (code == kVkF4 || (code == kVkDown && (shift & kAltKey) != 0)) return DropDown();
    if (Count() == 0) return;
    if (code == kVkUp) Select(static_cast<std::int16_t>(std::max(0, index_ - 1)));
    if (code == kVkDown) Select(static_cast<std::int16_t>(std::min(Count() - 1, index_ + 1)));
    if (code == kVkHome) Select(0);
    if (code == kVkEnd) Select(static_cast<std::int16_t>(Count() - 1));
  }

  // A typed letter selects the next item starting with it.
  void KeyPress(std::int16_t& ascii) override {
    Core().RaiseKeyPress(ascii);
    if (ascii < 32 || Count() == 0) return;
    const char16_t key = text::UpperAnsi(text::FromAnsi(static_cast<std::uint8_t>(ascii)));
    for (int step = 1; step <= Count(); ++step) {
      const int i = (index_ + step) % Count();
      const std::u16string& item = items_[static_cast<std::size_t>(i)];
      if (!item.empty() && text::UpperAnsi(item[0]) == key) return Select(static_cast<std::int16_t>(i));
    }
  }

  void KeyUp(std::int16_t& code, std::int16_t& shift) override { Core().RaiseKey(u"KeyUp", code, shift); }
  void Click() override { DropDown(); }
  void DblClick() override { Core().Raise(u"DblClick"); }

  void Draw() {
    gfx::Surface& s = Core().BeginDraw(font_->Desc(), enabled_ ? backColor_ : kButtonFace);
    const int w = s.widthPx();
    const int h = s.heightPx();
    FieldEdge(s, {0, 0, w, h});
    const gfx::RectPx button{w - 2 - kButtonWidth, 2, w - 2, h - 2};
    FillRect(s, button, kButtonFace);
    ButtonEdge(s, button, false);
    DrawArrow(button);
    const std::u16string shown = Text();
    const int top = (h - s.Face().Height()) / 2;
    const bool highlighted = hasFocus_ && style_ == kDropdownList && !shown.empty();
    if (highlighted) FillRect(s, {3, 3, button.left - 1, h - 3}, kHighlight);
    const gfx::OleColor color = !enabled_ ? kGrayText : highlighted ? kHighlightText : foreColor_;
    if (!shown.empty()) s.RecordPrint(shown, 4, top, color);
    s.DrawTextPx(4, top, shown, gfx::ResolveColor(color));
  }

 private:
  std::int16_t Count() const { return static_cast<std::int16_t>(items_.size()); }

  std::u16string Text() const {
    if (index_ >= 0) return items_[static_cast<std::size_t>(index_)];
    return style_ == kDropdownList ? std::u16string() : text_;
  }

  std::size_t ItemIndex(const com::Variant& v) const {
    const std::int16_t i = v.ToInteger();
    if (i < 0 || i >= Count()) throw com::Error(com::err::kInvalidCall);
    return static_cast<std::size_t>(i);
  }

  int InsertIndex(const com::Variant& v) const {
    const std::int16_t i = v.ToInteger();
    if (i < 0 || i > Count()) throw com::Error(com::err::kInvalidCall);
    return i;
  }

  void AddItem(std::u16string item, int at) {
    if (Count() >= kMaxItems) throw com::Error(com::err::kInvalidCall);
    if (at < 0) {
      at = Count();
      if (sorted_) {
        const auto pos = std::upper_bound(items_.begin(), items_.end(), item, [](const auto& a, const auto& b) {
          return text::UpperAnsi(a) < text::UpperAnsi(b);
        });
        at = static_cast<int>(pos - items_.begin());
      }
    }
    items_.insert(items_.begin() + at, std::move(item));
    if (index_ >= at) ++index_;
    Draw();
  }

  void RemoveItem(std::size_t at) {
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
    if (index_ == static_cast<int>(at)) {
      index_ = -1;
    } else if (index_ > static_cast<int>(at)) {
      --index_;
    }
    Draw();
  }

  void Select(std::int16_t i) {
    if (i == index_) return;
    index_ = i;
    if (i >= 0) text_ = items_[static_cast<std::size_t>(i)];
    Site().PropertyChanged(u"ListIndex");
    Draw();
    Core().Raise(u"Click");
  }

  // An item's text selects it; a drop-down combo also keeps other text.
  void SetText(std::u16string text) {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (text::UpperAnsi(items_[i]) == text::UpperAnsi(text)) return Select(static_cast<std::int16_t>(i));
    }
    if (style_ == kDropdownList) throw com::Error(com::err::kReadOnlyProperty);
    index_ = -1;
    text_ = std::move(text);
    Site().PropertyChanged(u"Text");
    Draw();
    Core().Raise(u"Change");
  }

  void DropDown() {
    Core().Raise(u"DropDown");
    std::vector<win::MenuItem> menu;
    for (std::size_t i = 0; i < items_.size(); ++i) {
      menu.push_back({items_[i], true, static_cast<int>(i) == index_});
    }
    if (menu.empty()) return;
    const int picked = Site().PopupMenu(menu, false);
    if (picked >= 0 && picked < Count()) Select(static_cast<std::int16_t>(picked));
  }

  void DrawArrow(const gfx::RectPx& button) const {
    gfx::Surface& s = Core().Surface();
    const int cx = (button.left + button.right) / 2;
    const int cy = (button.top + button.bottom) / 2 - 1;
    const gfx::OleColor color = enabled_ ? kButtonText : kGrayText;
    for (int row = 0; row < 4; ++row) FillRect(s, {cx - 3 + row, cy + row, cx + 4 - row, cy + row + 1}, color);
  }

  static std::vector<std::u16string> SplitItems(const std::u16string& list) {
    std::vector<std::u16string> items;
    if (list.empty()) return items;
    std::size_t start = 0;
    for (;;) {
      const std::size_t end = list.find(u"\r\n", start);
      items.push_back(list.substr(start, end - start));
      if (end == std::u16string::npos || items.size() >= static_cast<std::size_t>(kMaxItems)) break;
      start = end + 2;
    }
    return items;
  }

  std::u16string JoinItems() const {
    std::u16string out;
    for (std::size_t i = 0; i < items_.size(); ++i) out += (i == 0 ? u"" : u"\r\n") + items_[i];
    return out;
  }

  std::vector<std::u16string> items_;
  std::int16_t index_ = -1;
  std::u16string text_;
  std::int16_t style_ = 0;
  bool sorted_ = false;
  bool enabled_ = true;
  gfx::OleColor backColor_ = kWindowBackground;
  gfx::OleColor foreColor_ = kWindowText;
  com::ComPtr<IFontObject> font_;
  bool hasFocus_ = false;
};

}  // namespace

com::ComPtr<IControl> CreateComboBox() { return com::MakeObject<ComboBox>(); }

}  // namespace kelvo::forms::stdcontrols

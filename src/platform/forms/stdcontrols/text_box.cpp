// TextBox: a one-line entry field with a caret, selection (keyboard and
// mouse), clipboard keys, MaxLength, Locked, a password character and the
// Change event.

#include <algorithm>

#include "platform/forms/stdcontrols/caption_text.h"
#include "platform/forms/stdcontrols/class_info.h"
#include "platform/forms/stdcontrols/edges.h"
#include "platform/forms/stdcontrols/register.h"
#include "platform/forms/stdcontrols/std_control.h"
#include "platform/base/text.h"
#include "platform/gfx/color.h"
#include "platform/win/window_system.h"

namespace kelvo::forms::stdcontrols {
namespace {

win::WindowSystem& Ws() { return win::WindowSystem::Get(); }

enum : std::int16_t {
  kVkEnd = 35, kVkHome = 36, kVkLeft = 37, kVkRight = 39, kVkDelete = 46,
  kCtrlC = 3, kCtrlV = 22, kCtrlX = 24, kBackspace = 8,
};
constexpr int kShiftKey = 1;
constexpr int kMargin = 1;

class TextBox final : public StdControl<TextBox> {
 public:
  static const com::CoClassInfo& Info() {
    using com::TypeKind;
    static const com::CoClassInfo& info =
        ClassBuilder(u"TextBox", "{3B1C9297-3D05-4CF1-AC77-9F31E9717DA2}",
                     com::olemisc::kActivateWhenVisible | com::olemisc::kSetClientSiteFirst)
            .Prop(u"Text", TypeKind::String)
            .Prop(u"MaxLength", TypeKind::Long)
            .Prop(u"Locked", TypeKind::Boolean)
            .Prop(u"Enabled", TypeKind::Boolean)
            .Prop(u"BackColor", TypeKind::Color)
            .Prop(u"ForeColor", TypeKind::Color)
            .ObjectProp(u"Font", TypeKind::Font)
            .Prop(u"Alignment", TypeKind::Integer)
            .Prop(u"BorderStyle", TypeKind::Integer)
            .Prop(u"PasswordChar", TypeKind::String)
            .Prop(u"SelStart", TypeKind::Long)
            .Prop(u"SelLength", TypeKind::Long)
            .Prop(u"SelText", TypeKind::String)
            .MouseEvents()
            .KeyEvents()
            .Event(u"Change")
            .DefaultEvent(u"Change")
            .Build();
    return info;
  }

  static const com::DispatchMap<TextBox>& Members() {
    using Map = com::DispatchMap<TextBox>;
    using V = const com::Variant&;
    using T = TextBox;
    static const Map map{
        Map::Get(u"Text", [](T& t) { return com::Variant::String(t.text_); }),
        Map::Let(u"Text",
                 [](T& t, V v) {
                   t.anchor_ = t.caret_ = 0;
                   t.Replace(0, t.text_.size(), v.ToString(), u"Text");
                 }),
        Map::Get(u"MaxLength", [](T& t) { return com::Variant::Long(t.maxLength_); }),
        Map::Let(u"MaxLength",
                 [](T& t, V v) {
                   const std::int32_t n = v.ToLong();
                   if (n < 0) throw com::Error(com::err::kInvalidPropertyValue);
                   t.Assign(t.maxLength_, n, u"MaxLength");
                 }),
        Map::Get(u"Locked", [](T& t) { return com::Variant::Boolean(t.locked_); }),
        Map::Let(u"Locked", [](T& t, V v) { t.Assign(t.locked_, v.ToBoolean(), u"Locked"); }),
        Map::Get(u"Enabled", [](T& t) { return com::Variant::Boolean(t.enabled_); }),
        Map::Let(u"Enabled", [](T& t, V v) { t.AssignEnabled(t.enabled_, v.ToBoolean()); }),
        Map::Get(u"BackColor", [](T& t) { return ColorValue(t.backColor_); }),
        Map::Let(u"BackColor", [](T& t, V v) { t.Assign(t.backColor_, ToColor(v), u"BackColor"); }),
        Map::Get(u"ForeColor", [](T& t) { return ColorValue(t.foreColor_); }),
        Map::Let(u"ForeColor", [](T& t, V v) { t.Assign(t.foreColor_, ToColor(v), u"ForeColor"); }),
        Map::Get(u"Font", [](T& t) { return com::Variant::Object(t.font_); }),
        Map::Let(u"Font", [](T& t, V v) { t.Assign(t.font_, ToFont(v), u"Font"); }),
        Map::Set(u"Font", [](T& t, V v) { t.Assign(t.font_, ToFont(v), u"Font"); }),
        Map::Get(u"Alignment", [](T& t) { return com::Variant::Integer(t.alignment_); }),
        Map::Let(u"Alignment", [](T& t, V v) { t.Assign(t.alignment_, ToIntegerIn(v, 0, 2), u"Alignment"); }),
        Map::Get(u"BorderStyle", [](T& t) { return com::Variant::Integer(t.borderStyle_); }),
        Map::Let(u"BorderStyle",
                 [](T& t, V v) { t.Assign(t.borderStyle_, ToIntegerIn(v, 0, 1), u"BorderStyle"); }),
        Map::Get(u"PasswordChar", [](T& t) { return com::Variant::String(t.passwordChar_); }),
        Map::Let(u"PasswordChar",
                 [](T& t, V v) { t.Assign(t.passwordChar_, v.ToString().substr(0, 1), u"PasswordChar"); }),
        Map::Get(u"SelStart",
                 [](T& t) { return com::Variant::Long(static_cast<std::int32_t>(std::min(t.anchor_, t.caret_))); }),
        Map::Let(u"SelStart",
                 [](T& t, V v) {
                   t.anchor_ = t.caret_ = t.Clamp(v.ToLong());
                   t.Refresh();
                 }),
        Map::Get(u"SelLength", [](T& t) { return com::Variant::Long(static_cast<std::int32_t>(t.SelLength())); }),
        Map::Let(u"SelLength",
                 [](T& t, V v) {
                   const std::int32_t n = v.ToLong();
                   if (n < 0) throw com::Error(com::err::kInvalidPropertyValue);
                   t.anchor_ = std::min(t.anchor_, t.caret_);
                   t.caret_ = t.Clamp(static_cast<std::int64_t>(t.anchor_) + n);
                   t.Refresh();
                 }),
        Map::Get(u"SelText", [](T& t) { return com::Variant::String(t.SelectedText()); }),
        Map::Let(u"SelText", [](T& t, V v) { t.ReplaceSelection(v.ToString(), false); }),
    };
    return map;
  }

  void Initialize() override { font_ = CreateFontObject(gfx::FontDesc{}); }

  void InitProperties() override {
    text_ = Site().AmbientDisplayName();
    font_ = ToFont(com::Variant::Object(Site().AmbientFont()));
  }

  void ReadProperties(IPropertyBag& bag) override {
    text_ = bag.Read(u"Text", com::Variant::String(text_)).ToString();
    maxLength_ = std::max(0, bag.Read(u"MaxLength", com::Variant::Long(maxLength_)).ToLong());
    locked_ = bag.Read(u"Locked", com::Variant::Boolean(locked_)).ToBoolean();
    enabled_ = bag.Read(u"Enabled", com::Variant::Boolean(enabled_)).ToBoolean();
    backColor_ = ToColor(bag.Read(u"BackColor", ColorValue(backColor_)));
    foreColor_ = ToColor(bag.Read(u"ForeColor", ColorValue(foreColor_)));
    if (auto f = AsFont(bag.Read(u"Font", com::Variant::Object(font_)))) font_ = f;
    alignment_ = bag.Read(u"Alignment", com::Variant::Integer(alignment_)).ToInteger();
    borderStyle_ = bag.Read(u"BorderStyle", com::Variant::Integer(borderStyle_)).ToInteger();
    passwordChar_ = bag.Read(u"PasswordChar", com::Variant::String(passwordChar_)).ToString().substr(0, 1);
    Core().EnableWindow(enabled_);
  }

  void WriteProperties(IPropertyBag& bag) override {
    const com::Variant none;
    bag.Write(u"Text", com::Variant::String(text_), none);
    bag.Write(u"MaxLength", com::Variant::Long(maxLength_), none);
    bag.Write(u"Locked", com::Variant::Boolean(locked_), none);
    bag.Write(u"Enabled", com::Variant::Boolean(enabled_), none);
    bag.Write(u"BackColor", ColorValue(backColor_), none);
    bag.Write(u"ForeColor", ColorValue(foreColor_), none);
    bag.Write(u"Font", com::Variant::Object(font_), none);
    bag.Write(u"Alignment", com::Variant::Integer(alignment_), none);
    bag.Write(u"BorderStyle", com::Variant::Integer(borderStyle_), none);
    bag.Write(u"PasswordChar", com::Variant::String(passwordChar_), none);
  }

  void GotFocus() override {
    hasFocus_ = true;
    Ws().CreateCaret(Site().Hwnd(), 1, LineHeight());
    Refresh();
    Ws().ShowCaret(Site().Hwnd());
  }

  void LostFocus() override {
    hasFocus_ = false;
    Ws().DestroyCaret();
    Draw();
  }

  void KeyDown(std::int16_t& code, std::int16_t& shift) override {
    Core().RaiseKey(u"KeyDown", code, shift);
    const bool extend = (shift & kShiftKey) != 0;
    switch (code) {
      case kVkLeft:
        return MoveCaret(caret_ > 0 ? caret_ - 1 : 0, extend);
      case kVkRight:
        return MoveCaret(std::min(caret_ + 1, text_.size()), extend);
      case kVkHome:
        return MoveCaret(0, extend);
      case kVkEnd:
        return MoveCaret(text_.size(), extend);
      case kVkDelete:
        if (locked_) return;
        if (SelLength() == 0 && caret_ < text_.size()) caret_ = caret_ + 1;
        return ReplaceSelection({}, true);
      default:
        return;
    }
  }

  void KeyPress(std::int16_t& ascii) override {
    Core().RaiseKeyPress(ascii);
    if (ascii == kCtrlC) return Copy();
    if (ascii == kCtrlX) {
      Copy();
      if (!locked_) ReplaceSelection({}, true);
      return;
    }
    if (locked_) return;
    if (ascii == kCtrlV) return ReplaceSelection(FirstLine(Ws().ClipboardText()), true);
    if (ascii == kBackspace) {
      if (SelLength() == 0 && caret_ > 0) anchor_ = caret_ - 1;
      return ReplaceSelection({}, true);
    }
    if (ascii >= 32) ReplaceSelection(std::u16string(1, text::FromAnsi(static_cast<std::uint8_t>(ascii))), true);
  }

  void KeyUp(std::int16_t& code, std::int16_t& shift) override { Core().RaiseKey(u"KeyUp", code, shift); }

  void MouseDown(std::int16_t b, std::int16_t s, float x, float y) override {
    Core().RaiseMouse(u"MouseDown", b, s, x, y);
    if (b == 1) MoveCaret(PositionAt(x), (s & kShiftKey) != 0);
  }

  void MouseMove(std::int16_t b, std::int16_t s, float x, float y) override {
    Core().RaiseMouse(u"MouseMove", b, s, x, y);
    if ((b & 1) != 0) MoveCaret(PositionAt(x), true);
  }

  void MouseUp(std::int16_t b, std::int16_t s, float x, float y) override { Core().RaiseMouse(u"MouseUp", b, s, x, y); }
  void Click() override { Core().Raise(u"Click"); }
  void DblClick() override {
    anchor_ = 0;
    caret_ = text_.size();
    Refresh();
    Core().Raise(u"DblClick");
  }

  void Draw() {
    gfx::Surface& s = Core().BeginDraw(font_->Desc(), enabled_ ? backColor_ : kButtonFace);
    const int w = s.widthPx();
    const int h = s.heightPx();
    if (borderStyle_ == 1) FieldEdge(s, {0, 0, w, h});
    const std::u16string shown = Shown();
    const int left = TextLeft();
    const int top = Inset() + kMargin;
    const std::size_t a = std::min(anchor_, caret_);
    const std::size_t b = std::max(anchor_, caret_);
    const gfx::OleColor color = enabled_ ? foreColor_ : kGrayText;
    if (!shown.empty()) s.RecordPrint(shown, left, top, color);
    s.DrawTextPx(left, top, shown, gfx::ResolveColor(color));
    if (hasFocus_ && b > a) {
      const int x0 = left + s.Face().Width(std::u16string_view(shown).substr(0, a));
      const std::u16string_view selected = std::u16string_view(shown).substr(a, b - a);
      FillRect(s, {x0, top, x0 + s.Face().Width(selected), top + LineHeight()}, kHighlight);
      s.DrawTextPx(x0, top, selected, gfx::ResolveColor(kHighlightText));
    }
  }

 private:
  int LineHeight() const { return Core().Surface().Face().Height(); }
  int Inset() const { return borderStyle_ == 1 ? 2 : 0; }
  std::size_t SelLength() const { return caret_ > anchor_ ? caret_ - anchor_ : anchor_ - caret_; }
  std::size_t Clamp(std::int64_t v) const {
    return static_cast<std::size_t>(std::clamp<std::int64_t>(v, 0, static_cast<std::int64_t>(text_.size())));
  }
  std::u16string SelectedText() const {
    return text_.substr(std::min(anchor_, caret_), SelLength());
  }
  std::u16string Shown() const {
    return passwordChar_.empty() ? text_ : std::u16string(text_.size(), passwordChar_[0]);
  }
  static std::u16string FirstLine(const std::u16string& s) { return s.substr(0, s.find_first_of(u"\r\n")); }

  // The text's left edge: aligned when it fits, else scrolled so the caret shows.
  int TextLeft() const {
    const gfx::FontFace& face = Core().Surface().Face();
    const int inner = Core().Surface().widthPx() - 2 * (Inset() + kMargin);
    const std::u16string shown = Shown();
    const int width = face.Width(shown);
    const int start = Inset() + kMargin;
    if (width <= inner) {
      if (alignment_ == 1) return start + inner - width;
      if (alignment_ == 2) return start + (inner - width) / 2;
      return start;
    }
    const int caretX = face.Width(std::u16string_view(shown).substr(0, caret_));
    return start - std::max(0, caretX - inner + 1);
  }

  std::size_t PositionAt(float xTwips) const {
    const int x = static_cast<int>(xTwips) / Core().PxX() - TextLeft();
    const gfx::FontFace& face = Core().Surface().Face();
    const std::u16string shown = Shown();
    int at = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const int advance = face.Advance(shown[i]);
      if (x < at + advance / 2) return i;
      at += advance;
    }
    return shown.size();
  }

  void MoveCaret(std::size_t to, bool extend) {
    caret_ = to;
    if (!extend) anchor_ = to;
    Refresh();
  }

  void Copy() const {
    if (SelLength() > 0 && passwordChar_.empty()) Ws().SetClipboardText(SelectedText());
  }

  // The selection replaced by typed or pasted text (cut to MaxLength) or by code.
  void ReplaceSelection(std::u16string with, bool typed) {
    const std::size_t a = std::min(anchor_, caret_);
    const std::size_t n = SelLength();
    if (typed && maxLength_ > 0) {
      const std::size_t room = static_cast<std::size_t>(maxLength_) - std::min<std::size_t>(maxLength_, text_.size() - n);
      if (with.size() > room) {
        if (room == 0 && !with.empty()) return Ws().Beep();
        with.resize(room);
      }
    }
    anchor_ = caret_ = a + with.size();
    Replace(a, n, std::move(with), u"SelText");
  }

  void Replace(std::size_t at, std::size_t count, std::u16string with, std::u16string_view property) {
    std::u16string next = text_;
    next.replace(at, count, with);
    caret_ = std::min(caret_, next.size());
    anchor_ = std::min(anchor_, next.size());
    if (next == text_) return Refresh();
    text_ = std::move(next);
    Site().PropertyChanged(property == u"SelText" ? u"Text" : property);
    Refresh();
    Core().Raise(u"Change");
  }

  void Refresh() {
    Draw();
    if (!hasFocus_) return;
    const gfx::FontFace& face = Core().Surface().Face();
    Ws().SetCaretPos(TextLeft() + face.Width(std::u16string_view(Shown()).substr(0, caret_)), Inset() + kMargin);
  }

  std::u16string text_;
  std::int32_t maxLength_ = 0;
  bool locked_ = false;
  bool enabled_ = true;
  gfx::OleColor backColor_ = kWindowBackground;
  gfx::OleColor foreColor_ = kWindowText;
  com::ComPtr<IFontObject> font_;
  std::int16_t alignment_ = 0;
  std::int16_t borderStyle_ = 1;
  std::u16string passwordChar_;
  std::size_t anchor_ = 0;
  std::size_t caret_ = 0;
  bool hasFocus_ = false;
};

}  // namespace

com::ComPtr<IControl> CreateTextBox() { return com::MakeObject<TextBox>(); }

}  // namespace kelvo::forms::stdcontrols

// KelvoTextEdit's members in the slot order of _KelvoTextEdit, and its
// persisted set: 22 keys written in a fixed order on every save; loading
// reads 21 of them (not "dcDataValue"), the font first, with defaults that
// differ from a new instance's for ForeColor, MaxLength and AutoSelect. Each
// value is stored as read, without running its setter.
#include "klvctl32/editfield/edit_font.h"
#include "klvctl32/host/help_strings.h"
#include "klvctl32/textedit/textedit.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

namespace {

using C = KelvoTextEdit;
using T = ControlTable<C>;
using V = com::Variant;

// A Null text is taken as "".
std::u16string TextValue(const V& v) { return v.IsNull() ? std::u16string() : v.ToString(); }

// A property of the mask model: read from its state, assigned through the
// model's own let routine.
template <class F, class Arg>
T::Accessors StateProperty(F TextEditState::*field, void (TextEditModel::*let)(Arg)) {
  return {[field](C& c) { return ToVariant(c.State().*field); },
          [let](C& c, const V& v) { (c.Model().*let)(FromVariant<F>(v)); }};
}

// The persisted state field itself.
template <class F>
auto Stored(F TextEditState::*field) {
  return [field](C& c) -> F& { return c.Model().State().*field; };
}

V NoResult() { return V(); }

}  // namespace

const T& KelvoTextEdit::Table() {
  static const T table =
      T(&C::Repainted)
          .Property(u"TopText", IntegerT(), {},
                    {[](C& c) { return V::Integer(c.TopText); }, [](C& c, const V& v) { c.TopText = v.ToInteger(); }})
          .Property(u"LeftText", IntegerT(), {},
                    {[](C& c) { return V::Integer(c.LeftText); }, [](C& c, const V& v) { c.LeftText = v.ToInteger(); }})
          .Property(u"Border3D", BooleanT(), u"Border style. (Estilo da borda)", T::Field(&C::border3D_))
          .Property(u"Shadow", BooleanT(), u"Show a shadow border. (Exibe uma sombra na borda do controle)",
                    T::Field(&C::shadow_))
          .Property(u"ShadowColor", ColorT(), u"Shadow color. (Cor da sombra)", T::Field(&C::shadowColor_))
          .Property(u"BackColor", ColorT(), help::kBackColor, T::Field(&C::backColor_))
          .Property(u"ForeColor", ColorT(), u"Foreground color. (Cor do primeiro plano - Texto)",
                    T::Field(&C::foreColor_))
          .Property(u"SelectColor", ColorT(), {}, T::Field(&C::selectColor_))
          .Property(u"LockedColor", ColorT(), u"Locked Color. (Cor quando bloqueado)", T::Field(&C::lockedColor_))
          .Property(u"DisabledColor", ColorT(), u"Disabled Color. (Cor quando desabilitado)",
                    T::Field(&C::disabledColor_))
          .Property(u"Text", VariantT(), u"Text control. (Texto contído no controle)",
                    {[](C& c) { return V::String(c.Model().Text()); },
                     [](C& c, const V& v) { c.Model().LetText(TextValue(v)); }})
          .Property(u"DefaultValue", StringT(), u"Default value. (Valor padrão)",
                    StateProperty(&TextEditState::DefaultValue, &TextEditModel::LetDefaultValue))
          .Property(u"Mask", StringT(), u"Input mask. (Máscara de entrada)",
                    StateProperty(&TextEditState::Mask, &TextEditModel::LetMask))
          .Property(u"MaxLength", IntegerT(), u"Length text. (Número máximo de caracteres do texto)",
                    StateProperty(&TextEditState::MaxLength, &TextEditModel::LetMaxLength))
          .Property(u"IncludeLiterals", BooleanT(),
                    u"Includes the literals mask in text. (Determina se é para incluir os literais da máscara no "
                    u"texto)",
                    StateProperty(&TextEditState::IncludeLiterals, &TextEditModel::LetIncludeLiterals))
          .Property(u"TextStyle", EnumT(u"kcTextStyle"), u"Text style. (Estilo do texto)",
                    StateProperty(&TextEditState::TextStyle, &TextEditModel::LetTextStyle))
          .ObjectProperty(
              u"Font", FontT(), u"Font object. (Fonte de caracteres)", [](C& c) { return V::Object(c.Font()); },
              [](C& c, const V& v) { c.SetFont(forms::AsFont(v)); })
          .Property(u"FillChar", StringT(), u"Fill character. (Caracter de preenchimento)",
                    StateProperty(&TextEditState::FillChar, &TextEditModel::LetFillChar))
          .Property(u"Enabled", BooleanT(), u"Enable or disable the control. (Habilita ou desabilita o controle)",
                    T::Calls(&C::IsEnabled, &C::SetEnabled))
          .Property(u"Selection3D", BooleanT(), u"3D effect in text selection. (Efeito 3D na seleção)",
                    T::Calls(&C::Selection3D, &C::SetSelection3D))
          .Property(u"AutoSelect", BooleanT(), u"Enables the auto-selection. (Habilita a auto-seleção)",
                    StateProperty(&TextEditState::AutoSelect, &TextEditModel::LetAutoSelect))
          .Property(u"Locked", BooleanT(), u"Lock the editing. (Bloqueia a edição)",
                    StateProperty(&TextEditState::Locked, &TextEditModel::LetLocked))
          .GetOnly(u"hDC", HandleT(), {}, [](C& c) { return V::Long(static_cast<std::int32_t>(c.DeviceContext())); })
          .GetOnly(u"hwnd", HandleT(), {}, [](C& c) { return V::Long(static_cast<std::int32_t>(c.WindowHandle())); })
          .GetOnly(u"SelStart", IntegerT(), {}, [](C& c) { return V::Integer(c.State().SelStart); })
          .GetOnly(u"CursorPos", IntegerT(), {}, [](C& c) { return V::Integer(c.State().CursorPos); })
          .GetOnly(u"SelLength", IntegerT(), {}, [](C& c) { return V::Integer(c.State().SelLength); })
          .LetOnly(u"SelText", StringT(), {}, [](C& c, const V& v) { c.Model().LetSelText(v.ToString()); })
          .GetOnly(u"IsEmpty", BooleanT(), {}, [](C& c) { return V::Boolean(c.Model().IsEmpty()); })
          .GetOnly(u"TextWithoutMask", StringT(), {}, [](C& c) { return V::String(c.Model().TextWithoutMask()); })
          .Method(u"SetPosition", {ByVal(u"position", IntegerT())}, {},
                  [](C& c, T::Args a) {
                    c.Model().SetPosition(a[0].ToInteger());
                    return NoResult();
                  })
          // Both arguments by reference: the tested character comes back as
          // the mask stores it.
          .Method(u"IsValidChar", {ByRef(u"Char", StringT()), ByRef(u"position", IntegerT())}, BooleanT(),
                  [](C& c, T::Args a) {
                    std::u16string ch = a[0].ToString();
                    const std::int16_t position = a[1].ToInteger();
                    const bool valid = c.Model().IsValidChar(ch, position);
                    a[0] = V::String(std::move(ch));
                    a[1] = V::Integer(position);
                    return V::Boolean(valid);
                  })
          .Method(u"SetSelectedText", {ByVal(u"iStart", IntegerT()), ByVal(u"iLength", IntegerT())}, {},
                  [](C& c, T::Args a) {
                    c.Model().SetSelectedText(a[0].ToInteger(), a[1].ToInteger());
                    return NoResult();
                  })
          .Method(u"SelectAll", [](C& c) { c.Model().SelectAll(); })
          .Property(u"dcDataValue", VariantT(), {},
                    {[](C& c) { return V::String(c.Model().dcDataValue()); },
                     [](C& c, const V& v) { c.Model().LetdcDataValue(TextValue(v)); }},
                    kDataBoundFlags)
          .Method(u"ToKelvoEnginer", [](C& c) { c.ToKelvoEnginer(); })
          .Method(u"XFocus", [](C& c) { c.XFocus(); })
          .Persists(u"dcDataValue", {},
                    [](C& c, forms::IPropertyBag& bag, std::u16string_view key) {
                      bag.Write(key, V::String(c.State().StoredText), V());
                    })
          .Saves(u"Border3D", &C::border3D_, true)
          .Saves(u"Shadow", &C::shadow_, false)
          .Saves(u"ShadowColor", &C::shadowColor_, 0u)
          .Saves(u"BackColor", &C::backColor_, 0x80000005u)
          .Saves(u"ForeColor", &C::foreColor_, 0x80000008u)
          .Saves(u"SelectColor", &C::selectColor_, 0x8000000Du)
          .Saves(u"Text", Stored(&TextEditState::StoredText), std::u16string())
          .Saves(u"Mask", Stored(&TextEditState::Mask), std::u16string())
          .Saves(u"MaxLength", Stored(&TextEditState::MaxLength), std::int16_t{10})
          .Saves(u"IncludeLit", Stored(&TextEditState::IncludeLiterals), true)
          // Loaded through a 16-bit Integer, saved as a Long.
          .Persists(
              u"TextStyle",
              [](C& c, forms::IPropertyBag& bag, std::u16string_view key) {
                c.Model().State().TextStyle = static_cast<kcTextStyle>(bag.Read(key, V::Integer(0)).ToLong());
              },
              [](C& c, forms::IPropertyBag& bag, std::u16string_view key) {
                bag.Write(key, V::Long(c.State().TextStyle), V());
              })
          .Saves(u"FillChar", Stored(&TextEditState::FillChar), std::u16string())
          .Saves(u"Enabled", &C::enabled_, true)
          // A stored font, or the surface's own when the key holds none.
          .Persists(
              u"Font",
              [](C& c, forms::IPropertyBag& bag, std::u16string_view key) {
                c.font_ = ReadFontKey(bag, key, c.Surface());
              },
              [](C& c, forms::IPropertyBag& bag, std::u16string_view key) { bag.Write(key, V::Object(c.font_), V()); })
          .Saves(u"Selection3D", &C::selection3D_, false)
          .Saves(u"AutoSelect", Stored(&TextEditState::AutoSelect), false)
          .Saves(u"AllowSpaceChar", Stored(&TextEditState::AllowSpaceChar), true)
          .Saves(u"DefaultValue", Stored(&TextEditState::DefaultValue), std::u16string())
          .Saves(u"Locked", Stored(&TextEditState::Locked), false)
          .Saves(u"DisabledColor", &C::disabledColor_, 0x80000011u)
          .Saves(u"LockedColor", &C::lockedColor_, 0x80000012u)
          .LoadOrder({u"Font",       u"Border3D",       u"Shadow",       u"ShadowColor", u"BackColor",
                      u"ForeColor",  u"SelectColor",    u"Text",         u"Mask",        u"MaxLength",
                      u"IncludeLit", u"TextStyle",      u"FillChar",     u"Enabled",     u"Selection3D",
                      u"AutoSelect", u"AllowSpaceChar", u"DefaultValue", u"Locked",      u"DisabledColor",
                      u"LockedColor"});
  return table;
}

// Loading stores every value as read, then applies the enabled state and the
// font to the window and the surface.
void KelvoTextEdit::ReadProperties(forms::IPropertyBag& bag) {
  Table().Load(*this, bag);
  user32::EnableWindow(Window(), enabled_ ? 1 : 0);
  Surface().SetFont(font_->Desc());
}

}  // namespace kelvo::klvctl32

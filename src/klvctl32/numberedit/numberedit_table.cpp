// KelvoNumberEdit's members in the slot order of _KelvoNumberEdit, and its
// persisted set: 20 keys written in a fixed order on every save; loading
// reads 19 of them (not "dcDataValue"), the font first, each with the field's
// value at load time as default (false, 0 or empty for a fresh instance)
// except the disabled and locked colours. Values are stored as read, without
// the setters' clamping.
#include "klvctl32/editfield/edit_font.h"
#include "klvctl32/numberedit/numberedit.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

namespace {

using C = KelvoNumberEdit;
using T = ControlTable<C>;
using V = com::Variant;

// A property of the number model: read from its state, assigned through the
// model's own let routine.
template <class F, class Arg>
T::Accessors StateProperty(F NumberEditState::*field, void (NumberEditModel::*let)(Arg)) {
  return {[field](C& c) { return ToVariant(c.State().*field); },
          [let](C& c, const V& v) { (c.Model().*let)(FromVariant<F>(v)); }};
}

// The persisted state field itself.
template <class F>
auto Stored(F NumberEditState::*field) {
  return [field](C& c) -> F& { return c.Model().State().*field; };
}

}  // namespace

const T& KelvoNumberEdit::Table() {
  static const T table =
      T(&C::Repainted)
          .Property(u"Border3D", BooleanT(), u"Border style. (Estilo da borda)", T::Field(&C::border3D_))
          .Property(u"Shadow", BooleanT(), u"Show a shadow border. (Exibe uma sombra na borda do controle)",
                    T::Field(&C::shadow_))
          .Property(u"ShadowColor", ColorT(), u"Shadow color. (Cor da sombra)", T::Field(&C::shadowColor_))
          .Property(u"BackColor", ColorT(), u"Background color. (Cor do  segundo plano - Fundo)",
                    T::Field(&C::backColor_))
          .Property(u"ForeColor", ColorT(), u"Foreground color. (Cor do primeiro plano - Texto)",
                    T::Field(&C::foreColor_))
          .Property(u"NegativeColor", ColorT(), u"Negative values color. (Cor para valores negativos)",
                    T::Field(&C::negativeColor_))
          .Property(u"LockedColor", ColorT(), u"Locked Color. (Cor quando bloqueado)", T::Field(&C::lockedColor_))
          .Property(u"DisabledColor", ColorT(), u"Disabled Color (Cor quando desabilitado)",
                    T::Field(&C::disabledColor_))
          // The runtime's string of the assigned value, whose decimal point
          // follows the system setting.
          .Property(u"Text", VariantT(), u"Text control. (Texto do controle)",
                    {[](C& c) { return V::String(c.State().Text); },
                     [](C& c, const V& v) { c.Model().LetText(v.ToString()); }})
          .Property(u"Value", DoubleT(), u"Text property in number format/Single. (Texto no formato numérico/Single)",
                    {[](C& c) { return V::Double(c.ReadValue()); },
                     [](C& c, const V& v) { c.Model().LetValue(v.ToDouble()); }})
          .Property(u"IntMaxLength", IntegerT(), u"Integer length. (Tamanho da parte inteira)",
                    StateProperty(&NumberEditState::IntMaxLength, &NumberEditModel::LetIntMaxLength))
          .Property(u"DecMaxLength", IntegerT(), u"Decimals Length. (Número de casas decimais)",
                    StateProperty(&NumberEditState::DecMaxLength, &NumberEditModel::LetDecMaxLength))
          .ObjectProperty(
              u"Font", FontT(), u"Font object. (Fonte de caracteres)", [](C& c) { return V::Object(c.Font()); },
              [](C& c, const V& v) { c.SetFont(forms::AsFont(v)); })
          .Property(u"Enabled", BooleanT(), u"Enable or disable the control. (Habilita ou desabilita o controle)",
                    T::Calls(&C::IsEnabled, &C::SetEnabled))
          .Property(u"Selection3D", BooleanT(), u"3D effect in text selection. (Efeito 3D na seleção)",
                    T::Calls(&C::Selection3D, &C::SetSelection3D))
          .Property(u"AutoSelect", BooleanT(), u"Enables auto-selection. (Habilita a auto-seleção)",
                    StateProperty(&NumberEditState::AutoSelect, &NumberEditModel::LetAutoSelect))
          .Property(u"AllowNegative", BooleanT(), u"Allow negative numbers. (Permitir números negativos)",
                    StateProperty(&NumberEditState::AllowNegative, &NumberEditModel::LetAllowNegative))
          .Property(u"ThSeparator", BooleanT(), u"Thousand separators. (Separador de milhar)",
                    StateProperty(&NumberEditState::ThSeparator, &NumberEditModel::LetThSeparator))
          .Property(u"NumberFormat", EnumT(u"eNumberFormat"), u"Number format. (Formato do número)",
                    StateProperty(&NumberEditState::NumberFormat, &NumberEditModel::LetNumberFormat))
          .Property(u"Locked", BooleanT(), u"Locked Control. (Bloqueia a edição do controle)",
                    StateProperty(&NumberEditState::Locked, &NumberEditModel::LetLocked))
          .GetOnly(u"hDC", HandleT(), {}, [](C& c) { return V::Long(static_cast<std::int32_t>(c.Site().Hdc())); })
          .GetOnly(u"hwnd", HandleT(), {}, [](C& c) { return V::Long(static_cast<std::int32_t>(c.Window())); })
          .Method(u"SelectAll", [](C& c) { c.Model().SelectAll(); })
          .Property(u"dcDataValue", VariantT(), {},
                    {[](C& c) { return V::Double(c.Model().Value()); },
                     [](C& c, const V& v) { c.Model().LetdcDataValue(v.ToString()); }},
                    kDataBoundFlags)
          .Method(u"ToKelvoEnginer", [](C& c) { c.ToKelvoEnginer(); })
          .Method(u"XFocus", [](C& c) { c.XFocus(); })
          .Persists(u"dcDataValue", {},
                    [](C& c, forms::IPropertyBag& bag, std::u16string_view key) {
                      bag.Write(key, V::String(c.State().Text), V());
                    })
          .Saves(u"Border3D", &C::border3D_)
          .Saves(u"Shadow", &C::shadow_)
          .Saves(u"ShadowColor", &C::shadowColor_)
          .Saves(u"BackColor", &C::backColor_)
          .Saves(u"ForeColor", &C::foreColor_)
          .Saves(u"NegativeColor", &C::negativeColor_)
          .Saves(u"Text", Stored(&NumberEditState::Text))
          .Saves(u"Enabled", &C::enabled_)
          .Persists(
              u"Font",
              [](C& c, forms::IPropertyBag& bag, std::u16string_view key) {
                c.font_ = ReadFontKey(bag, key, c.Surface());
              },
              [](C& c, forms::IPropertyBag& bag, std::u16string_view key) { bag.Write(key, V::Object(c.font_), V()); })
          .Saves(u"Selection3D", &C::selection3D_)
          .Saves(u"AutoSelect", Stored(&NumberEditState::AutoSelect))
          .Saves(u"DecMaxLength", Stored(&NumberEditState::DecMaxLength))
          .Saves(u"IntMaxLength", Stored(&NumberEditState::IntMaxLength))
          .Saves(u"AllowNegative", Stored(&NumberEditState::AllowNegative))
          .Saves(u"ThSeparator", Stored(&NumberEditState::ThSeparator))
          .Saves(u"NumberFormat", Stored(&NumberEditState::NumberFormat))
          .Saves(u"Locked", Stored(&NumberEditState::Locked))
          .Saves(u"DisabledColor", &C::disabledColor_, 0x80000011u)
          .Saves(u"LockedColor", &C::lockedColor_, 0x80000012u)
          .LoadOrder({u"Font", u"Border3D", u"Shadow", u"ShadowColor", u"BackColor", u"ForeColor", u"NegativeColor",
                      u"Text", u"Enabled", u"Selection3D", u"AutoSelect", u"DecMaxLength", u"IntMaxLength",
                      u"AllowNegative", u"ThSeparator", u"NumberFormat", u"Locked", u"DisabledColor", u"LockedColor"});
  return table;
}

// Loading stores every value as read, then applies the enabled state, the
// font and the separators, and shows the control.
void KelvoNumberEdit::ReadProperties(forms::IPropertyBag& bag) {
  Table().Load(*this, bag);
  user32::EnableWindow(Window(), enabled_ ? 1 : 0);
  Surface().SetFont(font_->Desc());
  ApplyNumberFormat(model_.State());
  Show();
}

}  // namespace kelvo::klvctl32

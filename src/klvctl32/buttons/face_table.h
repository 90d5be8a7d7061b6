#pragma once
// The face members both buttons publish, Caption to Style in slot order, and
// the 23 persisted face keys in save order, declared once for either class.
// Each face setter stores, notifies and then lays out and repaints, repaints
// only (Style), or does nothing more (FocusedFRColor, FocusedBKColor,
// ActiveBorder); Enabled and Font run the button's own steps.

#include <string>

#include "klvctl32/buttons/button_base.h"
#include "klvctl32/host/control_table.h"
#include "klvctl32/host/help_strings.h"
#include "klvctl32/host/type_table.h"

namespace kelvo::klvctl32 {

namespace face_rows {

using V = com::Variant;
using After = void (ButtonBase::*)(std::u16string_view);

template <class C, class F>
typename ControlTable<C>::Accessors Field(F FaceProperties::*field, After after, std::u16string name) {
  return {[field](C& c) { return ToVariant(c.Face().*field); },
          [field, after, name](C& c, const V& v) {
            c.Face().*field = FromVariant<F>(v);
            (c.*after)(name);
          }};
}

template <class C>
ControlTable<C>& Picture(ControlTable<C>& t, std::u16string name, PictureRef FaceProperties::*field,
                         std::u16string help) {
  return t.ObjectProperty(
      name, PictureT(), std::move(help), [field](C& c) { return V::Object(c.Face().*field); },
      [field, name](C& c, const V& v) {
        if (!v.IsObject()) throw com::Error(com::err::kTypeMismatch);
        c.Face().*field = forms::AsPicture(v);
        c.FaceChanged(name);
      });
}

template <class C, class F>
ControlTable<C>& Key(ControlTable<C>& t, std::u16string key, F FaceProperties::*field) {
  return t.Saves(std::move(key), [field](C& c) -> F& { return c.Face().*field; });
}

template <class C>
ControlTable<C>& PictureKey(ControlTable<C>& t, std::u16string key, PictureRef FaceProperties::*field) {
  return t.Persists(
      std::move(key),
      [field](C& c, forms::IPropertyBag& bag, std::u16string_view k) {
        c.Face().*field = forms::AsPicture(bag.Read(k, V::Object(c.Face().*field)));
      },
      [field](C& c, forms::IPropertyBag& bag, std::u16string_view k) {
        bag.Write(k, V::Object(c.Face().*field), V());
      });
}

}  // namespace face_rows

template <class C>
ControlTable<C>& AddFaceMembers(ControlTable<C>& t) {
  using namespace face_rows;
  using P = FaceProperties;
  const After layout = &ButtonBase::FaceChanged;
  t.Property(u"Caption", StringT(), u"Text displayed in the control. (Texto exibido no controle)",
             Field<C>(&P::Caption, layout, u"Caption"))
      .Property(u"Enabled", BooleanT(), u"Enabled ou disabled the control focus. (Habilita ou desabilita o controle)",
                {[](C& c) { return V::Boolean(c.IsEnabled()); }, [](C& c, const V& v) { c.SetEnabled(v.ToBoolean()); }})
      .ObjectProperty(
          u"Font", FontT(), u"Font object. (Fonte de caracteres)", [](C& c) { return V::Object(c.Face().Font); },
          [](C& c, const V& v) { c.SetFont(forms::AsFont(v)); })
      .Property(u"ForeColor", ColorT(), u"Foreground color. (Cor do primeiro plano - Texto)",
                Field<C>(&P::ForeColor, layout, u"ForeColor"))
      .Property(u"BackColor", ColorT(), help::kBackColor, Field<C>(&P::BackColor, layout, u"BackColor"))
      .Property(u"FocusedFRColor", ColorT(), u"Focused foreground color. (Cor do primeiro plano ao ser focado)",
                Field<C>(&P::FocusedFRColor, &ButtonBase::Stored, u"FocusedFRColor"))
      .Property(u"FocusedBKColor", ColorT(), u"Focused background color. (Cor do segundo plano ao ser focado)",
                Field<C>(&P::FocusedBKColor, &ButtonBase::Stored, u"FocusedBKColor"))
      .Property(u"LightColorIn", ColorT(), help::kLight3DColor, Field<C>(&P::LightColorIn, layout, u"LightColorIn"))
      .Property(u"ShadowColorIn", ColorT(), help::kShadow3DColor, Field<C>(&P::ShadowColorIn, layout, u"ShadowColorIn"))
      .Property(u"LightColorOut", ColorT(), help::kLight3DColor, Field<C>(&P::LightColorOut, layout, u"LightColorOut"))
      .Property(u"ShadowColorOut", ColorT(), help::kShadow3DColor,
                Field<C>(&P::ShadowColorOut, layout, u"ShadowColorOut"));
  Picture(t, u"Picture", &P::Picture, u"Default picture. (Figura padrão)");
  Picture(t, u"DisabledPicture", &P::DisabledPicture,
          u"Disabled picture. (Figura que será exibida quando o controle estiver desabilitado)");
  Picture(t, u"DownPicture", &P::DownPicture,
          u"Down picture (Figura que será exibida quando o controle estiver pressionado)");
  Picture(t, u"FocusedPicture", &P::FocusedPicture, u"Focused picture. (Figura que será exibida ao ser focado)");
  return t
      .Property(u"PictSize", EnumT(u"kcPictSize"), u"Picture size. (Tamanho da figura)",
                Field<C>(&P::PictSize, layout, u"PictSize"))
      .Property(u"PictPosition", EnumT(u"kcPictPosition"), u"Picture position. (Posição da figura)",
                Field<C>(&P::PictPosition, layout, u"PictPosition"))
      .Property(u"Margin", IntegerT(),
                u"Initial margin to draw picture or caption. (Margem inicial para desenhar a figura ou texto)",
                Field<C>(&P::Margin, layout, u"Margin"))
      .Property(u"Distance", IntegerT(), u"Distance between picture and caption. (Distância entre a figura e o texto)",
                Field<C>(&P::Distance, layout, u"Distance"))
      .GetOnly(u"hwnd", HandleT(), {}, [](C& c) { return V::Long(static_cast<std::int32_t>(c.WindowHandle())); })
      .Property(u"FocusedBold", BooleanT(), u"Focused font bold effect. (Deixa a fonte negritada ao ser focado)",
                Field<C>(&P::FocusedBold, layout, u"FocusedBold"))
      .Property(u"FocusedUnderline", BooleanT(),
                u"Focused font underline effect. (Deixa a fonte sublinhada ao ser focado)",
                Field<C>(&P::FocusedUnderline, layout, u"FocusedUnderline"))
      .Property(u"ActiveBorder", BooleanT(),
                u"Determines wich control is mouse sensible. (Determina se o controle é sensível ao mouse)",
                Field<C>(&P::ActiveBorder, &ButtonBase::Stored, u"ActiveBorder"))
      .Property(u"Style", EnumT(u"kcStyle"), u"Button style. (Estilo do botão)",
                Field<C>(&P::Style, &ButtonBase::StyleChanged, u"Style"));
}

// The face keys in save order. "Font" is written as the button says and
// loads a stored font, keeping the current one when the key holds none.
template <class C>
ControlTable<C>& AddFaceKeys(ControlTable<C>& t, typename ControlTable<C>::Loader saveFont) {
  using namespace face_rows;
  using P = FaceProperties;
  Key(t, u"Caption", &P::Caption);
  Key(t, u"Enabled", &P::Enabled);
  t.Persists(
      u"Font",
      [](C& c, forms::IPropertyBag& bag, std::u16string_view key) {
        const com::ComPtr<forms::IFontObject> font = forms::AsFont(bag.Read(key, V::Object(c.Face().Font)));
        if (font) c.Face().Font = font;
      },
      std::move(saveFont));
  Key(t, u"ForeColor", &P::ForeColor);
  Key(t, u"BackColor", &P::BackColor);
  Key(t, u"FocusedFRColor", &P::FocusedFRColor);
  Key(t, u"FocusedBKColor", &P::FocusedBKColor);
  Key(t, u"LightColorIn", &P::LightColorIn);
  Key(t, u"LightColorOut", &P::LightColorOut);
  Key(t, u"ShadowColorIn", &P::ShadowColorIn);
  Key(t, u"ShadowColorOut", &P::ShadowColorOut);
  PictureKey(t, u"Picture", &P::Picture);
  PictureKey(t, u"DisabledPicture", &P::DisabledPicture);
  PictureKey(t, u"DownPicture", &P::DownPicture);
  PictureKey(t, u"FocusedPicture", &P::FocusedPicture);
  Key(t, u"PictPosition", &P::PictPosition);
  Key(t, u"PictSize", &P::PictSize);
  Key(t, u"Margin", &P::Margin);
  Key(t, u"Distance", &P::Distance);
  Key(t, u"FocusedBold", &P::FocusedBold);
  Key(t, u"FocusedUnderline", &P::FocusedUnderline);
  Key(t, u"ActiveBorder", &P::ActiveBorder);
  return Key(t, u"Style", &P::Style);
}

}  // namespace kelvo::klvctl32

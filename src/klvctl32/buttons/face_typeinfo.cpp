#include "klvctl32/buttons/face_typeinfo.h"

namespace kelvo::klvctl32 {

const com::EnumInfo& kcPictSizeInfo() {
  static const com::EnumInfo info{u"kcPictSize", {{u"kc16x16", 0}, {u"kc32x32", 1}}};
  return info;
}

const com::EnumInfo& kcPictPositionInfo() {
  static const com::EnumInfo info{u"kcPictPosition",
                                  {{u"kcTop", 0}, {u"kcBottom", 1}, {u"kcLeft", 2}, {u"kcRight", 3}}};
  return info;
}

const com::EnumInfo& kcStyleInfo() {
  static const com::EnumInfo info{u"kcStyle", {{u"kc3D", 0}, {u"kcFlat", 1}}};
  return info;
}

MemberTable& AddButtonFaceMembers(MemberTable& table) {
  return table.Property(u"Caption", StringT(), u"Text displayed in the control. (Texto exibido no controle)")
      .Property(u"Enabled", BooleanT(), u"Enabled ou disabled the control focus. (Habilita ou desabilita o controle)")
      .ObjectProperty(u"Font", FontT(), u"Font object. (Fonte de caracteres)")
      .Property(u"ForeColor", ColorT(), u"Foreground color. (Cor do primeiro plano - Texto)")
      .Property(u"BackColor", ColorT(), u"Background color. (Cor do segundo plano - Fundo)")
      .Property(u"FocusedFRColor", ColorT(), u"Focused foreground color. (Cor do primeiro plano ao ser focado)")
      .Property(u"FocusedBKColor", ColorT(), u"Focused background color. (Cor do segundo plano ao ser focado)")
      .Property(u"LightColorIn", ColorT(), u"Light color in 3D effect. (Cor da luz no efeito 3D)")
      .Property(u"ShadowColorIn", ColorT(), u"Shadow color in 3D effect. (Cor da sombra no efeito 3D)")
      .Property(u"LightColorOut", ColorT(), u"Light color in 3D effect. (Cor da luz no efeito 3D)")
      .Property(u"ShadowColorOut", ColorT(), u"Shadow color in 3D effect. (Cor da sombra no efeito 3D)")
      .ObjectProperty(u"Picture", PictureT(), u"Default picture. (Figura padrão)")
      .ObjectProperty(u"DisabledPicture", PictureT(),
                      u"Disabled picture. (Figura que será exibida quando o controle estiver desabilitado)")
      .ObjectProperty(u"DownPicture", PictureT(),
                      u"Down picture (Figura que será exibida quando o controle estiver pressionado)")
      .ObjectProperty(u"FocusedPicture", PictureT(), u"Focused picture. (Figura que será exibida ao ser focado)")
      .Property(u"PictSize", EnumT(u"kcPictSize"), u"Picture size. (Tamanho da figura)")
      .Property(u"PictPosition", EnumT(u"kcPictPosition"), u"Picture position. (Posição da figura)")
      .Property(u"Margin", IntegerT(),
                u"Initial margin to draw picture or caption. (Margem inicial para desenhar a figura ou texto)")
      .Property(u"Distance", IntegerT(), u"Distance between picture and caption. (Distância entre a figura e o texto)")
      .GetOnly(u"hwnd", HandleT())
      .Property(u"FocusedBold", BooleanT(), u"Focused font bold effect. (Deixa a fonte negritada ao ser focado)")
      .Property(u"FocusedUnderline", BooleanT(),
                u"Focused font underline effect. (Deixa a fonte sublinhada ao ser focado)")
      .Property(u"ActiveBorder", BooleanT(),
                u"Determines wich control is mouse sensible. (Determina se o controle é sensível ao mouse)")
      .Property(u"Style", EnumT(u"kcStyle"), u"Button style. (Estilo do botão)");
}

}  // namespace kelvo::klvctl32

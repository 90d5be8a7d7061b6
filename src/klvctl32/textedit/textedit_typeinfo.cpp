#include "klvctl32/textedit/textedit_typeinfo.h"

#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/misc_status.h"
#include "klvctl32/host/type_table.h"
#include "klvctl32/pages/ppgtextedit_typeinfo.h"
#include "klvctl32/server/resource_ids.h"
#include "platform/forms/stdpages.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::CLSID CLSID_KelvoTextEdit = GuidLiteral("A9555F43-762D-41C7-B996-2F9BD91A4882");
constexpr com::IID IID__KelvoTextEdit = GuidLiteral("2731D2E1-969A-4BF8-B88F-623E662E81CA");
constexpr com::IID DIID___KelvoTextEdit = GuidLiteral("0391BF38-8841-422E-B74C-CC4C20F1A7A0");

const com::InterfaceInfo& DefaultInterface() {
  static const com::InterfaceInfo info{
      u"_KelvoTextEdit", IID__KelvoTextEdit, kControlInterfaceFlags,
      MemberTable()
          .Property(u"TopText", IntegerT())
          .Property(u"LeftText", IntegerT())
          .Property(u"Border3D", BooleanT(), u"Border style. (Estilo da borda)")
          .Property(u"Shadow", BooleanT(), u"Show a shadow border. (Exibe uma sombra na borda do controle)")
          .Property(u"ShadowColor", ColorT(), u"Shadow color. (Cor da sombra)")
          .Property(u"BackColor", ColorT(), u"Background color. (Cor do segundo plano - Fundo)")
          .Property(u"ForeColor", ColorT(), u"Foreground color. (Cor do primeiro plano - Texto)")
          .Property(u"SelectColor", ColorT())
          .Property(u"LockedColor", ColorT(), u"Locked Color. (Cor quando bloqueado)")
          .Property(u"DisabledColor", ColorT(), u"Disabled Color. (Cor quando desabilitado)")
          .Property(u"Text", VariantT(), u"Text control. (Texto contído no controle)")
          .Property(u"DefaultValue", StringT(), u"Default value. (Valor padrão)")
          .Property(u"Mask", StringT(), u"Input mask. (Máscara de entrada)")
          .Property(u"MaxLength", IntegerT(), u"Length text. (Número máximo de caracteres do texto)")
          .Property(u"IncludeLiterals", BooleanT(),
                    u"Includes the literals mask in text. (Determina se é para incluir os literais da máscara no "
                    u"texto)")
          .Property(u"TextStyle", EnumT(u"kcTextStyle"), u"Text style. (Estilo do texto)")
          .ObjectProperty(u"Font", FontT(), u"Font object. (Fonte de caracteres)")
          .Property(u"FillChar", StringT(), u"Fill character. (Caracter de preenchimento)")
          .Property(u"Enabled", BooleanT(), u"Enable or disable the control. (Habilita ou desabilita o controle)")
          .Property(u"Selection3D", BooleanT(), u"3D effect in text selection. (Efeito 3D na seleção)")
          .Property(u"AutoSelect", BooleanT(), u"Enables the auto-selection. (Habilita a auto-seleção)")
          .Property(u"Locked", BooleanT(), u"Lock the editing. (Bloqueia a edição)")
          .GetOnly(u"hDC", HandleT())
          .GetOnly(u"hwnd", HandleT())
          .GetOnly(u"SelStart", IntegerT())
          .GetOnly(u"CursorPos", IntegerT())
          .GetOnly(u"SelLength", IntegerT())
          .LetOnly(u"SelText", StringT())
          .GetOnly(u"IsEmpty", BooleanT())
          .GetOnly(u"TextWithoutMask", StringT())
          .Method(u"SetPosition", {ByVal(u"position", IntegerT())})
          .Method(u"IsValidChar", {ByRef(u"Char", StringT()), ByRef(u"position", IntegerT())}, BooleanT())
          .Method(u"SetSelectedText", {ByVal(u"iStart", IntegerT()), ByVal(u"iLength", IntegerT())})
          .Method(u"SelectAll")
          .Property(u"dcDataValue", VariantT(), {}, kDataBoundFlags)
          .Method(u"ToKelvoEnginer")
          .Method(u"XFocus")
          .Take()};
  return info;
}

const com::EventInterfaceInfo& EventInterface() {
  static const com::EventInterfaceInfo info{u"__KelvoTextEdit", DIID___KelvoTextEdit, kEventInterfaceFlags,
                                            EditControlEvents()};
  return info;
}

}  // namespace

const com::EnumInfo& kcTextStyleInfo() {
  static const com::EnumInfo info{u"kcTextStyle",
                                  {{u"kcNormal", 0}, {u"kcUpperCase", 1}, {u"kcLowerCase", 2}, {u"kcPadLeft", 3}}};
  return info;
}

const com::CoClassInfo& KelvoTextEditInfo() {
  static const com::CoClassInfo info{
      .name = u"KelvoTextEdit",
      .clsid = CLSID_KelvoTextEdit,
      .isControl = true,
      .isPropertyPage = false,
      .defaultInterface = &DefaultInterface(),
      .eventInterface = &EventInterface(),
      .defaultEvent = u"Changed",
      .miscStatus = misc::kEveryControl,
      .propertyPages = {ppgTextEditInfo().clsid, forms::CLSID_StandardFontPage, forms::CLSID_StandardColorPage},
      .toolboxBitmap = resource::kTextEditBitmap,
  };
  return info;
}

}  // namespace kelvo::klvctl32

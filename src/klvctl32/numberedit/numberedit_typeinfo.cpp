#include "klvctl32/numberedit/numberedit_typeinfo.h"

#include "klvctl32/host/guid_literal.h"
#include "klvctl32/host/misc_status.h"
#include "klvctl32/host/resource_ids.h"
#include "klvctl32/host/type_table.h"
#include "klvctl32/pages/ppgnumberedit_typeinfo.h"
#include "platform/forms/stdpages.h"

namespace kelvo::klvctl32 {

namespace {

constexpr com::CLSID CLSID_KelvoNumberEdit = GuidLiteral("F3546042-45D4-4283-9D1E-E0C31A9C139E");
constexpr com::IID IID__KelvoNumberEdit = GuidLiteral("80BE0AB2-9CCE-49B5-8B62-5CB04F17210F");
constexpr com::IID DIID___KelvoNumberEdit = GuidLiteral("69D71CB0-1557-4B3C-91C9-10E59FA91396");

const com::InterfaceInfo& DefaultInterface() {
  static const com::InterfaceInfo info{
      u"_KelvoNumberEdit", IID__KelvoNumberEdit, kControlInterfaceFlags,
      MemberTable()
          .Property(u"Border3D", BooleanT(), u"Border style. (Estilo da borda)")
          .Property(u"Shadow", BooleanT(), u"Show a shadow border. (Exibe uma sombra na borda do controle)")
          .Property(u"ShadowColor", ColorT(), u"Shadow color. (Cor da sombra)")
          .Property(u"BackColor", ColorT(), u"Background color. (Cor do  segundo plano - Fundo)")
          .Property(u"ForeColor", ColorT(), u"Foreground color. (Cor do primeiro plano - Texto)")
          .Property(u"NegativeColor", ColorT(), u"Negative values color. (Cor para valores negativos)")
          .Property(u"LockedColor", ColorT(), u"Locked Color. (Cor quando bloqueado)")
          .Property(u"DisabledColor", ColorT(), u"Disabled Color (Cor quando desabilitado)")
          .Property(u"Text", VariantT(), u"Text control. (Texto do controle)")
          .Property(u"Value", DoubleT(), u"Text property in number format/Single. (Texto no formato numérico/Single)")
          .Property(u"IntMaxLength", IntegerT(), u"Integer length. (Tamanho da parte inteira)")
          .Property(u"DecMaxLength", IntegerT(), u"Decimals Length. (Número de casas decimais)")
          .ObjectProperty(u"Font", FontT(), u"Font object. (Fonte de caracteres)")
          .Property(u"Enabled", BooleanT(), u"Enable or disable the control. (Habilita ou desabilita o controle)")
          .Property(u"Selection3D", BooleanT(), u"3D effect in text selection. (Efeito 3D na seleção)")
          .Property(u"AutoSelect", BooleanT(), u"Enables auto-selection. (Habilita a auto-seleção)")
          .Property(u"AllowNegative", BooleanT(), u"Allow negative numbers. (Permitir números negativos)")
          .Property(u"ThSeparator", BooleanT(), u"Thousand separators. (Separador de milhar)")
          .Property(u"NumberFormat", EnumT(u"eNumberFormat"), u"Number format. (Formato do número)")
          .Property(u"Locked", BooleanT(), u"Locked Control. (Bloqueia a edição do controle)")
          .GetOnly(u"hDC", HandleT())
          .GetOnly(u"hwnd", HandleT())
          .Method(u"SelectAll")
          .Property(u"dcDataValue", VariantT(), {}, kDataBoundFlags)
          .Method(u"ToKelvoEnginer")
          .Method(u"XFocus")
          .Take()};
  return info;
}

const com::EventInterfaceInfo& EventInterface() {
  static const com::EventInterfaceInfo info{u"__KelvoNumberEdit", DIID___KelvoNumberEdit, kEventInterfaceFlags,
                                            EditControlEvents()};
  return info;
}

}  // namespace

const com::EnumInfo& eNumberFormatInfo() {
  static const com::EnumInfo info{u"eNumberFormat", {{u"BrazilFormat", 0}, {u"USFormat", 1}}};
  return info;
}

const com::CoClassInfo& KelvoNumberEditInfo() {
  static const com::CoClassInfo info{
      .name = u"KelvoNumberEdit",
      .clsid = CLSID_KelvoNumberEdit,
      .isControl = true,
      .isPropertyPage = false,
      .defaultInterface = &DefaultInterface(),
      .eventInterface = &EventInterface(),
      .defaultEvent = u"Changed",
      .miscStatus = misc::kEveryControl,
      .propertyPages = {ppgNumberEditInfo().clsid, forms::CLSID_StandardFontPage, forms::CLSID_StandardColorPage},
      .toolboxBitmap = resource::kNumberEditBitmap,
  };
  return info;
}

}  // namespace kelvo::klvctl32

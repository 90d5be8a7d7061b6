#include "kcsetup/messages.h"

namespace kelvo::kcsetup {
namespace {

using win::MsgBoxButtons;
using win::MsgBoxIcon;

std::u16string Component(std::u16string_view title, std::u16string_view version) {
  return std::u16string(title) + u" " + std::u16string(version);
}

}  // namespace

Message NoRegistrationTool() {
  return {u"Não é possível registrar o componente!\nO utilitário REGSVR32.EXE não está disponível.",
          MsgBoxButtons::OK, MsgBoxIcon::Stop};
}

Message NoListFile() {
  return {u"O arquivo KCSETUP.LST não está disponível!\nO Setup não pode continuar sem o arquivo de definições.",
          MsgBoxButtons::OK, MsgBoxIcon::Stop};
}

Message ErrorOccurred(std::u16string_view description) {
  return {u"Ocorreu um erro!\n(" + std::u16string(description) + u")", MsgBoxButtons::OK, MsgBoxIcon::Stop};
}

Message ConfirmInstall(std::u16string_view title, std::u16string_view version) {
  return {u"Será instalado o componente '" + Component(title, version) + u"' em seu computador.",
          MsgBoxButtons::OKCancel, MsgBoxIcon::Exclamation};
}

Message LibraryMissing(std::u16string_view baseName) {
  return {std::u16string(baseName) + u".OCX" + u" não se localiza no diretório corrente do Setup!", MsgBoxButtons::OK,
          MsgBoxIcon::Stop};
}

Message Installed() {
  return {u"Compomente instalado com sucesso!\nDeseja visualizar o contrato de licença do(s) componente(s) ?",
          MsgBoxButtons::YesNo, MsgBoxIcon::Information};
}

Message ConfirmUninstall(std::u16string_view title, std::u16string_view version) {
  return {u"Deseja desinstalar o componente '" + Component(title, version) + u"' ?", MsgBoxButtons::YesNo,
          MsgBoxIcon::Question};
}

Message Uninstalled() { return {u"Compomente desinstalado com sucesso!", MsgBoxButtons::OK, MsgBoxIcon::Information}; }

Message NotInstalled() { return {u"O componente não está instalado!", MsgBoxButtons::OK, MsgBoxIcon::Stop}; }

win::MsgBoxResult Show(win::HWND owner, const Message& message) {
  return win::WindowSystem::Get().MessageBox(owner, message.text, std::u16string(kTitle), message.buttons,
                                             message.icon);
}

}  // namespace kelvo::kcsetup

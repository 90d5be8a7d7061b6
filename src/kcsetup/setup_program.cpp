#include "kcsetup/setup_program.h"

#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "kcsetup/command_lines.h"
#include "kcsetup/setup_files.h"
#include "kcsetup/setup_window.h"
#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/win/launcher.h"
#include "platform/win/user32.h"

namespace kelvo::kcsetup {
namespace {

constexpr std::u16string_view kTool = u"REGSVR32.EXE";
constexpr std::u16string_view kListFile = u"KCSETUP.LST";
constexpr std::u16string_view kLicenceFile = u"Licença.txt";
constexpr std::u16string_view kCompanions[] = {u".OCA", u".LIB", u".EXP"};

bool Exists(const std::u16string& file) { return FileExists(text::ToUtf8(file)); }

// The busy pointer for as long as it lives.
class BusyPointer {
 public:
  BusyPointer() { win::WindowSystem::Get().SetPointerShape(win::PointerShape::Busy); }
  ~BusyPointer() { win::WindowSystem::Get().SetPointerShape(win::PointerShape::Default); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

// The whole system directory, however long: asked for its size first.
std::u16string SystemDirectory() {
  std::vector<char> buffer(kernel32::GetSystemDirectoryA(nullptr, 0));
  const auto size = static_cast<win::UINT>(buffer.size());
  const win::UINT length = kernel32::GetSystemDirectoryA(buffer.data(), size);
  return text::FromAnsi(std::string_view(buffer.data(), length < size ? length : 0));
}

std::u16string Describe(const std::exception& e) {
  if (const auto* error = dynamic_cast<const com::Error*>(&e)) return error->description();
  return text::FromUtf8(e.what());
}

}  // namespace

SetupProgram::SetupProgram(forms::Form& form, std::filesystem::path setupDir)
    : form_(form), setupDir_(text::FromUtf8(setupDir.string())) {}

void SetupProgram::Start() {
  form_.SetHandler(this);
  Form_Load();
  form_.Show();
  form_.Activate();
}

void SetupProgram::OnEvent(forms::Control& control, std::u16string_view event, std::span<com::Variant> /*args*/) {
  if (event != u"Click") return;
  if (control.Name() == u"btnComando" && control.Index()) btnComando_Click(*control.Index());
  else if (control.Name() == u"btnFechar") btnFechar_Click();
}

void SetupProgram::OnFormEvent(forms::Form& /*form*/, std::u16string_view event) {
  if (event == u"Activate") Form_Activate();
}

void SetupProgram::Form_Load() { systemDir_ = SystemDirectory(); }

void SetupProgram::Form_Activate() {
  try {
    toolDir_.clear();
    if (Exists(SetupFile(kTool))) toolDir_ = setupDir_;
    else if (Exists(SystemFile(kTool))) toolDir_ = systemDir_;
    if (toolDir_.empty()) return EndWith(NoRegistrationTool());
    if (!Exists(SetupFile(kListFile))) return EndWith(NoListFile());
    list_ = ReadSetupList(text::ToUtf8(SetupFile(kListFile)));
    SetCaption(u"lblTitle", list_.title);
    SetCaption(u"lblVersion", list_.version);
  } catch (const std::exception& e) {
    EndWith(ErrorOccurred(Describe(e)));
  }
}

void SetupProgram::btnComando_Click(int index) {
  try {
    if (index == 0) Install();
    else if (index == 1) Uninstall();
  } catch (const std::exception& e) {
    EndWith(ErrorOccurred(Describe(e)));
  }
}

void SetupProgram::btnFechar_Click() { form_.App().End(); }

void SetupProgram::Install() {
  const std::u16string library = list_.baseName + u".OCX";
  if (Ask(ConfirmInstall(list_.title, list_.version)) != win::MsgBoxResult::OK) return;
  if (!Exists(SetupFile(library))) {
    Ask(LibraryMissing(list_.baseName));
    return;
  }
  {
    BusyPointer busy;
    CopyReplacing(text::ToUtf8(SetupFile(library)), text::ToUtf8(SystemFile(library)));
    for (const std::u16string_view extension : kCompanions) {
      const std::u16string companion = list_.baseName + std::u16string(extension);
      if (Exists(SetupFile(companion))) {
        CopyReplacing(text::ToUtf8(SetupFile(companion)), text::ToUtf8(SystemFile(companion)));
      }
    }
    RunRegistrationTool(RegisterCommand(toolDir_, systemDir_, list_.baseName));
  }
  if (Ask(Installed()) == win::MsgBoxResult::Yes && Exists(SetupFile(kLicenceFile))) {
    win::Shell(LicenceCommand(SetupFile(kLicenceFile)), win::ShowMode::Maximized);
  }
}

void SetupProgram::Uninstall() {
  if (Ask(ConfirmUninstall(list_.title, list_.version)) != win::MsgBoxResult::Yes) return;
  if (!Exists(SystemFile(list_.baseName + u".OCX"))) {
    Ask(NotInstalled());
    return;
  }
  {
    BusyPointer busy;
    RunRegistrationTool(UnregisterCommand(toolDir_, systemDir_, list_.baseName));
    DeleteAllNamed(text::ToUtf8(systemDir_), list_.baseName);
  }
  Ask(Uninstalled());
}

void SetupProgram::RunRegistrationTool(const std::u16string& commandLine) const {
  const int code = win::ShellAndWait(commandLine, win::ShowMode::Minimized);
  if (code != 0) {
    throw com::Error(com::err::kInvalidCall,
                     std::u16string(kTool) + u" terminou com o código de saída " + text::FromUtf8(std::to_string(code)));
  }
}

win::MsgBoxResult SetupProgram::Ask(const Message& message) const { return Show(form_.Hwnd(), message); }

void SetupProgram::EndWith(const Message& message) {
  Ask(message);
  form_.App().End();
}

void SetupProgram::SetCaption(std::u16string_view label, std::u16string caption) const {
  std::vector<com::Variant> args{com::Variant::String(std::move(caption))};
  form_.Find(label)->Extender()->Invoke(u"Caption", com::InvokeKind::Let, args);
}

std::u16string SetupProgram::SetupFile(std::u16string_view name) const { return setupDir_ + u"/" + std::u16string(name); }

std::u16string SetupProgram::SystemFile(std::u16string_view name) const {
  return systemDir_ + u"/" + std::u16string(name);
}

}  // namespace kelvo::kcsetup

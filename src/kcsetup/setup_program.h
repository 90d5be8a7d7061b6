#pragma once
// The code behind frmSetup: Form_Load finds the system directory,
// Form_Activate finds the registration tool and reads KCSETUP.LST,
// btnComando(0) installs or updates the library, btnComando(1) uninstalls it,
// btnFechar ends the program. Install and uninstall wait for the
// registration tool; a tool that fails is reported, and so is every failed
// copy, start or deletion, after which the program ends.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "kcsetup/list_file.h"
#include "kcsetup/messages.h"
#include "platform/forms/application.h"

namespace kelvo::kcsetup {

class SetupProgram final : public forms::EventListener {
 public:
  // The setup folder is where the list file, the library and the licence are
  // looked for (the program's own directory).
  SetupProgram(forms::Form& form, std::filesystem::path setupDir);

  // Attaches the code, runs Form_Load, shows the window and activates it.
  void Start();

  void OnEvent(forms::Control& control, std::u16string_view event, std::span<com::Variant> args) override;
  void OnFormEvent(forms::Form& form, std::u16string_view event) override;

 private:
  void Form_Load();
  void Form_Activate();
  void btnComando_Click(int index);
  void btnFechar_Click();

  void Install();
  void Uninstall();
  // Runs the registration tool and waits; a non-zero exit code is a failure.
  void RunRegistrationTool(const std::u16string& commandLine) const;
  win::MsgBoxResult Ask(const Message& message) const;
  // Shows the message and ends the program.
  void EndWith(const Message& message);
  void SetCaption(std::u16string_view label, std::u16string caption) const;

  std::u16string SetupFile(std::u16string_view name) const;
  std::u16string SystemFile(std::u16string_view name) const;

  forms::Form& form_;
  std::u16string setupDir_;
  std::u16string systemDir_;
  std::u16string toolDir_;
  SetupList list_;
};

}  // namespace kelvo::kcsetup

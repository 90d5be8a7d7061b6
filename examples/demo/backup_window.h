#pragma once
// The demo's Backup window (backup.frm, installed next to the program): Copy
// copies the source file to the target with the library's copier, split
// into volumes of the given size when one is given; Cancel stops a copy
// under way, or closes the window when none is. While a copy runs, each
// Progress event lets the waiting input through, so the window stays
// responsive and its Cancel button can be clicked.

#include <span>
#include <string>
#include <string_view>

#include "platform/forms/application.h"

namespace kelvo::demo {

// Shows the Backup window, loading it first when it is not open.
void OpenBackupWindow(forms::Application& app);

class BackupWindow : public forms::EventListener {
 public:
  explicit BackupWindow(forms::Form& form) : form_(&form) {}

  void OnEvent(forms::Control& control, std::u16string_view event, std::span<com::Variant> args) override;
  void OnFormEvent(forms::Form& form, std::u16string_view event) override;
  forms::Form* form() const { return form_; }

 private:
  void CopyClick();
  void CancelClick();
  void Progress(std::span<com::Variant> args);
  void Finished(std::u16string message);
  forms::Control& Field(std::u16string_view name) const;
  std::u16string Text(std::u16string_view name) const;
  void ShowStatus(std::u16string message) const;

  forms::Form* form_;
  bool copying_ = false;
  bool cancelAsked_ = false;
  bool finished_ = false;  // Done or Error came: the copy was not cancelled
};

}  // namespace kelvo::demo

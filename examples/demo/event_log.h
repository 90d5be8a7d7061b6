#pragma once
// The demo's event log: one line for every event a control or form raises,
// and the notes the customer card writes, flushed line by line so that a test
// driving the window can read what the application saw while it runs.
//
//   txtBirth.KeyPress(49)
//   cmdSave.Click()
//   frmCustomer.Activate
//   saved code="000042" name="JOANA PRADO" ...

#include <fstream>
#include <span>
#include <string>
#include <string_view>

#include "platform/forms/application.h"

namespace kelvo::demo {

class EventLog : public forms::EventListener {
 public:
  // Opens (truncates) the file; throws std::runtime_error when it cannot.
  explicit EventLog(const std::string& path);
  // A log whose writing failed is an error of the program, not a quiet loss:
  // closes the file and throws std::runtime_error if any write or the close failed.
  void Close();

  void OnEvent(forms::Control& control, std::u16string_view event, std::span<com::Variant> args) override;
  void OnFormEvent(forms::Form& form, std::u16string_view event) override;

  void Note(std::string_view line);

 private:
  void NoteFailure();

  std::string path_;
  std::ofstream out_;
  std::string failure_;  // why the first failed write failed; empty while all is well
};

// The line the log writes for an event: "name.Event(arg, arg)", strings quoted.
std::string EventLine(std::u16string_view control, std::u16string_view event, std::span<const com::Variant> args);

}  // namespace kelvo::demo

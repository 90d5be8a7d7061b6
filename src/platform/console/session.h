#pragma once
// What every console command works on: the application and its current form,
// the event recorder, the last call's arguments and the open property page,
// with the lookups commands share (controls by reference, names of windows
// and objects).

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/console/command.h"
#include "platform/console/event_recorder.h"
#include "platform/forms/application.h"
#include "platform/forms/designer.h"
#include "platform/forms/form_designer.h"
#include "platform/forms/property_sheet.h"

namespace kelvo::console {

// A line that cannot be executed for a reason of the console's own (an
// unknown control, no current form): printed as `ERROR line N: message`.
class ConsoleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a query prints: `LABEL = VALUE`, or `LABEL` alone for a call without result.
struct Printed {
  std::string label;
  std::optional<std::string> value;
};
using Outcome = std::optional<Printed>;

class Session {
 public:
  explicit Session(forms::Application& app);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  forms::Application& App() const { return app_; }
  EventRecorder& Recorder() { return recorder_; }

  forms::Form& CurrentForm() const;
  forms::Form& FormNamed(std::u16string_view name) const;
  // A control of the current form; `form` is refused.
  forms::Control& ControlNamed(const ControlRef& ref) const;
  // What late binding reaches: the control's extender, or the form's dispatch.
  com::ComPtr<com::IDispatch> Target(const ControlRef& ref) const;
  // The control's window, or the current form's for `form`.
  win::HWND WindowOf(const ControlRef& ref) const;

  // The console's name of a window: a control's "name" or "name(3)", a
  // form's name, "none" for no window.
  std::string NameOfWindow(win::HWND hwnd) const;
  std::optional<std::string> NameOfObject(com::IDispatch* object) const;
  ObjectNamer Namer() const;

  std::vector<std::string>& LastCallArgs() { return lastCallArgs_; }

  // The open property page (the current tab of an open property sheet);
  // ConsoleError when none is open.
  forms::PropertyPageFrame& Page() const;
  void OpenPage(std::unique_ptr<forms::PropertyPageFrame> page);
  // The open property sheet; ConsoleError when none is open.
  forms::PropertySheet& Sheet() const;
  void OpenSheet(std::unique_ptr<forms::PropertySheet> sheet);
  // The current form's designer; ConsoleError when it is not open for design.
  forms::FormDesigner& Designer() const;

 private:
  forms::Application& app_;
  EventRecorder recorder_;
  std::vector<std::string> lastCallArgs_;
  std::unique_ptr<forms::PropertyPageFrame> page_;
  std::unique_ptr<forms::PropertySheet> sheet_;
};

}  // namespace kelvo::console

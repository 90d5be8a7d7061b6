#include "platform/console/session.h"

#include "platform/base/text.h"

namespace kelvo::console {
namespace {

std::string Quoted(std::u16string_view name) { return "\"" + text::ToUtf8(name) + "\""; }

}  // namespace

Session::Session(forms::Application& app)
    : app_(app), recorder_([this](com::IDispatch* object) { return NameOfObject(object); }) {
  app_.AddListener(&recorder_);
}

Session::~Session() {
  page_.reset();
  app_.RemoveListener(&recorder_);
}

forms::Form& Session::CurrentForm() const {
  forms::Form* form = app_.CurrentForm();
  if (form == nullptr) throw ConsoleError("no current form (create one with form, mdi, child or load)");
  return *form;
}

forms::Form& Session::FormNamed(std::u16string_view name) const {
  forms::Form* form = app_.FindForm(name);
  if (form == nullptr) throw ConsoleError("no form named " + Quoted(name));
  return *form;
}

forms::Control& Session::ControlNamed(const ControlRef& ref) const {
  if (ref.isForm) throw ConsoleError("this command needs a control, not the form");
  forms::Form& form = CurrentForm();
  forms::Control* control = form.Find(ref.name, ref.index);
  if (control == nullptr) throw ConsoleError("no control " + ref.Text() + " on form " + text::ToUtf8(form.Name()));
  return *control;
}

com::ComPtr<com::IDispatch> Session::Target(const ControlRef& ref) const {
  if (ref.isForm) return CurrentForm().Dispatch();
  return ControlNamed(ref).Extender();
}

win::HWND Session::WindowOf(const ControlRef& ref) const {
  if (ref.isForm) return CurrentForm().Hwnd();
  return ControlNamed(ref).Hwnd();
}

std::string Session::NameOfWindow(win::HWND hwnd) const {
  if (hwnd == 0) return "none";
  if (forms::Form* form = app_.FormOf(hwnd)) {
    if (forms::Control* control = form->FromHwnd(hwnd)) return text::ToUtf8(control->RefName());
    return text::ToUtf8(form->Name());
  }
  return "window " + std::to_string(hwnd);
}

std::optional<std::string> Session::NameOfObject(com::IDispatch* object) const {
  if (object == nullptr) return std::nullopt;
  if (forms::Control* control = app_.ControlOf(object)) return text::ToUtf8(control->RefName());
  for (forms::Form* form : app_.Forms())
    if (form->Dispatch().get() == object) return text::ToUtf8(form->Name());
  return std::nullopt;
}

ObjectNamer Session::Namer() const {
  return [this](com::IDispatch* object) { return NameOfObject(object); };
}

forms::PropertyPageFrame& Session::Page() const {
  if (sheet_ && !sheet_->Closed()) return sheet_->CurrentPage();
  if (!page_) throw ConsoleError("no property page is open (open one with page PROGID NAME ...)");
  return *page_;
}

void Session::OpenPage(std::unique_ptr<forms::PropertyPageFrame> page) {
  sheet_.reset();
  page_.reset();
  page_ = std::move(page);
}

forms::PropertySheet& Session::Sheet() const {
  if (!sheet_ || sheet_->Closed()) throw ConsoleError("no property sheet is open (open one with design sheet)");
  return *sheet_;
}

void Session::OpenSheet(std::unique_ptr<forms::PropertySheet> sheet) {
  page_.reset();
  sheet_.reset();
  sheet_ = std::move(sheet);
}

forms::FormDesigner& Session::Designer() const {
  forms::FormDesigner* designer = CurrentForm().Designer();
  if (designer == nullptr) throw ConsoleError("the current form is not open for design (load PATH design)");
  return *designer;
}

}  // namespace kelvo::console

#pragma once
// The application API: a forms program in a few readable lines. Open a form
// file (or build a form in code), find its controls by name, read, assign and
// call their members with typed values, bind their events to lambdas, and
// run it in a window, headless, or under an automation console script.
//
//   app::App app(app::Mode::Window);
//   const app::Form card = app.Load("card.frm");
//   card(u"txtName").On(u"KeyPress", [](std::int16_t& keyAscii) {
//     if (keyAscii == ' ') keyAscii = '_';
//   });
//   card(u"cmdSave").On(u"Click", [card] {
//     card(u"lblStatus").Set(u"Caption", card(u"txtName").Get<std::u16string>(u"Text"));
//   });
//   card.On(u"QueryUnload", [](std::int16_t& cancel, std::int16_t /*unloadMode*/) { cancel = 0; });
//   return app.Run();
//
// Every failure of a member, a control or a binding throws app::Error: the
// runtime's error number and description, the control and the member.
// Forms, controls and handlers run on the user-interface thread.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/app/events.h"
#include "platform/app/values.h"
#include "platform/com/error.h"
#include "platform/forms/application.h"

namespace kelvo::app {

// A failed member access, a control not found, or a handler refused: what()
// reads "txtBirth.Foo: 438 Object doesn't support this property or method".
class Error : public com::Error {
 public:
  Error(const com::Error& cause, std::u16string control, std::u16string member);
  const std::u16string& control() const { return control_; }
  const std::u16string& member() const { return member_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::u16string control_;
  std::u16string member_;
  std::string message_;
};

// Where the forms appear. Script and Headless draw into memory; Script also
// draws every text with the built-in font, so its output is the same on every
// machine. The mode is fixed when the App is made, before any form exists.
enum class Mode : std::uint8_t { Window, Headless, Script };

class FormCode;

// One control (or control-array element) of a loaded form.
class Control {
 public:
  Control(forms::Control& control, FormCode& code) : control_(&control), code_(&code), ref_(control.RefName()) {}

  // A property by name, converted to T by the runtime's rules.
  template <class T>
  T Get(std::u16string_view member) const {
    return Guard(member, [&] { return Value<T>::From(Invoke(member, com::InvokeKind::Get, {})); });
  }
  // Assigns a property: fonts, pictures and objects by reference, the rest by value.
  template <class T>
  void Set(std::u16string_view member, const T& value) const {
    using V = Typed<T>;
    Guard(member, [&] {
      std::vector<com::Variant> args{Value<V>::To(V(value))};
      Invoke(member, AssignedByReference(Value<V>::kind) ? com::InvokeKind::Set : com::InvokeKind::Let, args);
    });
  }
  // Calls a method with typed arguments; R (void by default) is its result.
  template <class R = void, class... A>
  R Call(std::u16string_view method, const A&... args) const {
    return Guard(method, [&] {
      std::vector<com::Variant> values{Value<Typed<A>>::To(Typed<A>(args))...};
      com::Variant result = Invoke(method, com::InvokeKind::Method, values);
      if constexpr (!std::is_void_v<R>) return Value<R>::From(result);
    });
  }
  // Binds the event (the class's own, or the container's GotFocus and
  // LostFocus) to handler, replacing an earlier one. Throws Error when the
  // event does not exist or the handler's parameters do not fit it.
  template <class F>
  void On(std::u16string_view event, F&& handler) const {
    Bind(event, BindHandler(std::forward<F>(handler)));
  }

  // Moves the focus here (LostFocus of the old control, GotFocus of this one).
  void Focus() const;
  // "name" or "name(3)" for an element of a control array.
  const std::u16string& RefName() const { return ref_; }
  // The container's control, for what this API does not cover (input
  // notifications); valid while its form is loaded.
  forms::Control& Raw() const { return *control_; }

 private:
  com::Variant Invoke(std::u16string_view member, com::InvokeKind kind, std::span<com::Variant> args) const;
  void Bind(std::u16string_view event, BoundHandler handler) const;
  [[noreturn]] void Fail(const com::Error& cause, std::u16string_view member) const;
  template <class Body>
  auto Guard(std::u16string_view member, Body body) const -> decltype(body()) {
    try {
      return body();
    } catch (const Error&) {
      throw;
    } catch (const com::Error& e) {
      Fail(e, member);
    }
  }

  forms::Control* control_;
  FormCode* code_;
  std::u16string ref_;  // for messages, also once the control is gone
};

// A loaded form: its controls by name and its own events.
class Form {
 public:
  explicit Form(FormCode& code) : code_(&code) {}

  // The control of that name (and index, for an element of a control array).
  // Throws Error 438 for a name the form does not have, 340 for an element
  // its array does not have.
  Control operator()(std::u16string_view name, std::optional<int> index = std::nullopt) const;
  // A new control of that class, made in code (see forms::Form::AddControl).
  Control Add(std::u16string_view progid, std::u16string_view name, const forms::TwipsRect& rect) const;

  // Binds a form event: Load, Activate, Deactivate, Resize, Unload (no
  // arguments) or QueryUnload(ByRef Cancel As Integer, ByVal UnloadMode As
  // Integer). Load has run by the time App returns a form: bind it by the
  // form's name with App::On.
  template <class F>
  void On(std::u16string_view event, F&& handler) const {
    Bind(event, BindHandler(std::forward<F>(handler)));
  }

  std::u16string Caption() const;
  void SetCaption(std::u16string caption) const;
  void Show() const;  // shown and active
  void Activate() const;
  // Whether the form is still loaded (not unloaded by its code, its close box or End).
  bool Loaded() const;
  // Unloads the form as form code does (QueryUnload, mode 1, may refuse).
  void Unload() const;
  // Writes the form's picture (itself and its controls) as PNG.
  void Snapshot(const std::filesystem::path& file) const;
  forms::Form& Raw() const;

 private:
  friend class App;
  void Bind(std::u16string_view event, BoundHandler handler) const;
  FormCode* code_;
};

class App {
 public:
  // Window mode throws win::DisplayUnavailable (platform/win/sdl/sdl_backend.h)
  // when no display can be opened.
  explicit App(Mode mode = Mode::Window);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Loads a form file (see forms::Application::LoadFormFile); it becomes the
  // current form, shown and active.
  Form Load(const std::filesystem::path& file);
  // A new empty form to fill in code (hidden whatever options.show says),
  // shown by Form::Show.
  Form Create(std::u16string_view name, const forms::FormOptions& options = {});

  // Binds an event of the form of that name, loaded now or later: how a
  // form file's Load is bound before the file is loaded.
  template <class F>
  void On(std::u16string_view form, std::u16string_view event, F&& handler) {
    BindByName(form, event, BindHandler(std::forward<F>(handler)));
  }

  // Window: runs the event loop until End or until no form is left. Headless
  // and Script: returns at once. Returns 0.
  int Run();
  // Runs an automation console script ("-" is standard input) on the current
  // form; returns its exit status (0 when nothing failed).
  int RunScript(const std::string& path, std::ostream& out);
  // Lets the waiting input and the posted messages run, from inside a handler.
  void DoEvents();
  // Ends the program: every form unloads without its events.
  void End();
  // Whether a control class can be created: its ProgID is registered on the
  // platform (or is one of the container's own classes).
  static bool IsRegistered(std::u16string_view progid);

  forms::Application& Raw() { return *app_; }

 private:
  struct Pending;
  Form Attach(forms::Form& form);
  void BindByName(std::u16string_view form, std::u16string_view event, BoundHandler handler);

  Mode mode_;
  // The forms' code outlives the application, which may still raise events
  // while it unloads its forms.
  std::vector<std::unique_ptr<FormCode>> code_;
  std::unique_ptr<Pending> pending_;  // listens to the application: declared before it
  std::unique_ptr<forms::Application> app_;
};

}  // namespace kelvo::app

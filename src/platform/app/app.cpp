#include "platform/app/app.h"

#include <algorithm>
#include <utility>

#include "platform/app/form_code.h"
#include "platform/base/text.h"
#include "platform/com/loader.h"
#include "platform/console/console.h"
#include "platform/gfx/picture.h"
#include "platform/win/backend.h"
#include "platform/win/compose.h"
#include "platform/win/sdl/sdl_backend.h"
#include "platform/win/window_system.h"

namespace kelvo::app {
namespace {

constexpr std::int32_t kArrayElementMissing = 340;
constexpr std::int32_t kObjectUnloaded = 364;

std::string MessageOf(const com::Error& cause, const std::u16string& control, const std::u16string& member) {
  const std::string where = member.empty() ? text::ToUtf8(control) : text::ToUtf8(control) + "." + text::ToUtf8(member);
  return where + ": " + cause.what();
}

bool HasArrayNamed(const forms::Form& form, std::u16string_view name) {
  const std::vector<forms::Control*> controls = form.Controls();
  return std::any_of(controls.begin(), controls.end(),
                     [&](forms::Control* c) { return c->Index() && com::NamesEqual(c->Name(), name); });
}

void InstallBackend(Mode mode) {
  switch (mode) {
    case Mode::Window:
      win::InstallSdlBackend();
      break;
    case Mode::Headless:
      win::WindowSystem::Get().InstallBackend(std::make_unique<win::HeadlessBackend>());
      break;
    case Mode::Script:
      console::UseHeadlessEnvironment();
      break;
  }
}

}  // namespace

Error::Error(const com::Error& cause, std::u16string control, std::u16string member)
    : com::Error(cause.number(), cause.description()),
      control_(std::move(control)),
      member_(std::move(member)),
      message_(MessageOf(cause, control_, member_)) {}

// Controls.

com::Variant Control::Invoke(std::u16string_view member, com::InvokeKind kind, std::span<com::Variant> args) const {
  if (code_->form() == nullptr) throw com::Error(kObjectUnloaded, u"Object was unloaded");
  return control_->Extender()->Invoke(member, kind, args);
}

void Control::Fail(const com::Error& cause, std::u16string_view member) const {
  throw Error(cause, ref_, std::u16string(member));
}

void Control::Bind(std::u16string_view event, BoundHandler handler) const {
  if (code_->form() == nullptr) Fail(com::Error(kObjectUnloaded, u"Object was unloaded"), event);
  code_->BindControl(*control_, event, std::move(handler));
}

void Control::Focus() const {
  Guard(u"SetFocus", [&] {
    if (code_->form() == nullptr) throw com::Error(kObjectUnloaded, u"Object was unloaded");
    control_->Focus();
  });
}

// Forms.

forms::Form& Form::Raw() const {
  if (code_->form() == nullptr) throw Error(com::Error(kObjectUnloaded, u"Object was unloaded"), code_->name(), u"");
  return *code_->form();
}

Control Form::operator()(std::u16string_view name, std::optional<int> index) const {
  forms::Form& form = Raw();
  if (forms::Control* control = form.Find(name, index)) return Control(*control, *code_);
  const bool element = index && HasArrayNamed(form, name);
  throw Error(element ? com::Error(kArrayElementMissing, u"Control array element doesn't exist")
                      : com::Error(com::err::kNoSuchMember, u"No control " + std::u16string(name)),
              form.Name(), std::u16string(name));
}

Control Form::Add(std::u16string_view progid, std::u16string_view name, const forms::TwipsRect& rect) const {
  forms::Form& form = Raw();
  try {
    return Control(form.AddControl(progid, name, rect), *code_);
  } catch (const com::Error& e) {
    throw Error(e, form.Name(), std::u16string(name));
  }
}

void Form::Bind(std::u16string_view event, BoundHandler handler) const { code_->BindForm(event, std::move(handler)); }

std::u16string Form::Caption() const { return Raw().Caption(); }
void Form::SetCaption(std::u16string caption) const { Raw().SetCaption(std::move(caption)); }
void Form::Show() const {
  Raw().Show();
  Raw().Activate();
}
void Form::Activate() const { Raw().Activate(); }
bool Form::Loaded() const { return code_->form() != nullptr; }
void Form::Unload() const { Raw().App().UnloadForm(Raw()); }
void Form::Snapshot(const std::filesystem::path& file) const { gfx::WritePng(win::ComposeWindow(Raw().Hwnd()), file); }

// The application.

// Bindings by form name wait for their form's Load: the form's code is made
// then, before the form's handler hears the Load.
struct App::Pending : forms::EventListener {
  struct Entry {
    std::u16string form;
    std::u16string event;
    BoundHandler handler;
  };
  explicit Pending(App& owner) : app(owner) {}
  void OnFormEvent(forms::Form& form, std::u16string_view event) override {
    if (!com::NamesEqual(event, u"Load")) return;
    for (const Entry& e : entries) {
      if (com::NamesEqual(e.form, form.Name())) app.Attach(form).Bind(e.event, e.handler);
    }
  }
  App& app;
  std::vector<Entry> entries;
};

App::App(Mode mode) : mode_(mode), pending_(std::make_unique<Pending>(*this)) {
  InstallBackend(mode);
  app_ = std::make_unique<forms::Application>();
  app_->AddListener(pending_.get());
}

App::~App() = default;

Form App::Attach(forms::Form& form) {
  for (const auto& code : code_) {
    if (code->form() == &form) return Form(*code);
  }
  code_.push_back(std::make_unique<FormCode>(*app_, form));
  return Form(*code_.back());
}

void App::BindByName(std::u16string_view form, std::u16string_view event, BoundHandler handler) {
  CheckHandler(FormEvent(event), event, handler, form);
  if (forms::Form* loaded = app_->FindForm(form)) Attach(*loaded).Bind(event, handler);
  pending_->entries.push_back({std::u16string(form), std::u16string(event), std::move(handler)});
}

Form App::Load(const std::filesystem::path& file) { return Attach(app_->LoadFormFile(file)); }

Form App::Create(std::u16string_view name, const forms::FormOptions& options) {
  forms::FormOptions hidden = options;
  hidden.show = false;
  try {
    return Attach(app_->CreateForm(name, hidden));
  } catch (const com::Error& e) {
    throw Error(e, u"", std::u16string(name));
  }
}

int App::Run() {
  if (mode_ == Mode::Window) win::RunEventLoop([this] { return app_->Ended(); });
  return 0;
}

int App::RunScript(const std::string& path, std::ostream& out) { return console::RunScriptFile(path, out, *app_); }

void App::DoEvents() { win::WindowSystem::Get().DoEvents(); }

void App::End() { app_->End(); }

bool App::IsRegistered(std::u16string_view progid) {
  return forms::IsRegisteredControlClass(progid) || com::CLSIDFromProgID(progid).has_value();
}

}  // namespace kelvo::app

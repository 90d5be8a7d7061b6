#pragma once
// A KelvoTextEdit (and the focus engine) on a real headless form: the classes
// are registered in-process, events are logged as the console prints them,
// and the deterministic built-in font is used.

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "klvctl32/host/enginer.h"
#include "klvctl32/textedit/textedit.h"
#include "platform/base/text.h"
#include "platform/forms/application.h"
#include "platform/gfx/font.h"
#include "platform/win/backend.h"
#include "platform/win/window_system.h"
#include "test_site.h"

namespace kelvo::klvctl32::testing {

// "name.Event(args)" for every event raised, in order.
class EventLog final : public forms::EventListener {
 public:
  void OnEvent(forms::Control& control, std::u16string_view event, std::span<com::Variant> args) override {
    if (!log_.empty()) log_ += ' ';
    log_ += text::ToUtf8(control.Name()) + "." + FormatEvent(event, args);
  }
  std::string Take() { return std::exchange(log_, {}); }

 private:
  std::string log_;
};

class TextEditTest : public ::testing::Test {
 protected:
  TextEditTest() {
    forms::RegisterControlClass(u"KLVCTL32.KelvoTextEdit", [] { return com::MakeObject<KelvoTextEdit>(); });
    forms::RegisterControlClass(u"KLVCTL32.KelvoEnginer", [] { return com::MakeObject<KelvoEnginer>(); });
    gfx::SetFontSource(gfx::FontSource::Builtin);
    Ws().SetScreenDpi(96);
    Ws().TakeBeepCount();
    app.AddListener(&events);
  }
  ~TextEditTest() override { app.RemoveListener(&events); }

  static win::WindowSystem& Ws() { return win::WindowSystem::Get(); }
  static win::HeadlessBackend& Headless() { return static_cast<win::HeadlessBackend&>(Ws().backend()); }

  forms::Form& NewForm(std::u16string_view name = u"frm", forms::FormOptions options = {}) {
    return app.CreateForm(name, options);
  }
  // A new instance, as the designer places it.
  forms::Control& AddEdit(forms::Form& f, std::u16string_view name = u"t",
                          forms::TwipsRect rect = {0, 0, 1500, 300}) {
    return f.AddControl(u"KLVCTL32.KelvoTextEdit", name, rect);
  }
  static KelvoTextEdit& Edit(forms::Control& c) { return static_cast<KelvoTextEdit&>(*c.Instance()); }

  static void Let(forms::Control& c, std::u16string_view prop, com::Variant value) {
    std::vector<com::Variant> args{std::move(value)};
    c.Extender()->Invoke(prop, com::InvokeKind::Let, args);
  }
  static com::Variant Get(forms::Control& c, std::u16string_view prop) {
    return c.Extender()->Invoke(prop, com::InvokeKind::Get, {});
  }
  static std::u16string Text(forms::Control& c) { return Get(c, u"Text").ToString(); }
  static void Key(forms::Control& c, std::int16_t code, std::int16_t shift = 0) {
    std::int16_t k = code;
    std::int16_t s = shift;
    c.KeyDown(k, s);
    k = code;
    s = shift;
    c.KeyUp(k, s);
  }
  static void Type(forms::Control& c, std::string_view chars) {
    for (const char ch : chars) {
      std::int16_t code = static_cast<unsigned char>(ch);
      c.KeyPress(code);
    }
  }

  forms::Application app;
  EventLog events;
};

}  // namespace kelvo::klvctl32::testing

#pragma once
// A fresh application on the headless window system for every test, with the
// test control classes registered and the deterministic font.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/forms/application.h"
#include "platform/gfx/font.h"
#include "platform/win/window_system.h"
#include "support/temp_dir.h"
#include "test_control.h"

namespace kelvo::forms::test {

class FormsTest : public ::testing::Test {
 protected:
  // In the constructor: derived fixtures create forms and controls in their
  // member initializers.
  FormsTest() {
    RegisterTestClasses();
    ResetTestState();
    win::WindowSystem::Get().SetScreenDpi(96);
    gfx::SetFontSource(gfx::FontSource::Builtin);
  }

  Form& NewForm(std::u16string_view name = u"frm", FormOptions options = {}) { return app.CreateForm(name, options); }
  Control& Add(Form& f, std::u16string_view progid, std::u16string_view name, TwipsRect rect = {0, 0, 1500, 300}) {
    return f.AddControl(progid, name, rect);
  }
  // The journal since the last call.
  static std::string Log() { return Hooks().journal.Take(); }
  static win::WindowSystem& Ws() { return win::WindowSystem::Get(); }

  // A registry of our own (removed when the process ends), for the test's
  // length: classes the tests do not register are unknown.
  static const kelvo::testing::TempDir& Root() {
    static const kelvo::testing::TempDir root;
    return root;
  }
  const kelvo::testing::ScopedEnv root_{"KELVO_ROOT", Root().path().string()};

  Application app;
};

}  // namespace kelvo::forms::test

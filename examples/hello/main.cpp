// hello: a masked date, an amount and an OK button that says what was typed,
// a form made in code on the installed platform.
//
//   hello                 in a window
//   hello --script FILE   headless, driven by an automation console script
//
// KLVCTL32.OCX must be registered on the platform (REGSVR32.EXE KLVCTL32.OCX).
#include <cstdint>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>

#include "platform/app/app.h"
#include "platform/win/sdl/sdl_backend.h"

namespace {

using namespace kelvo;

void BuildForm(app::App& app) {
  const app::Form form = app.Create(u"frmHello", {.clientWidth = 4200, .clientHeight = 1500, .caption = u"Hello"});
  form.Add(u"KLVCTL32.KelvoTextEdit", u"txtDate", {120, 120, 1500, 300}).Set(u"Mask", u"99/99/9999");
  form.Add(u"KLVCTL32.KelvoNumberEdit", u"numAmount", {120, 540, 1500, 300}).Set(u"DecMaxLength", std::int16_t{2});
  form.Add(u"Label", u"lblResult", {120, 1020, 3900, 300});
  const app::Control ok = form.Add(u"CommandButton", u"cmdOK", {2760, 120, 1200, 360});
  ok.Set(u"Caption", u"OK");
  ok.Set(u"Default", true);
  ok.On(u"Click", [form] {
    form(u"lblResult").Set(u"Caption", u"Date " + form(u"txtDate").Get<std::u16string>(u"Text") + u", amount " +
                                           form(u"numAmount").Get<std::u16string>(u"Text"));
  });
  form.Show();
  form(u"txtDate").Focus();
}

}  // namespace

int main(int argc, char** argv) {
  const bool script = argc == 3 && std::string_view(argv[1]) == "--script";
  if (argc != 1 && !script) {
    std::cerr << "usage: hello [--script FILE]\n";
    return 1;
  }
  try {
    app::App app(script ? app::Mode::Script : app::Mode::Window);
    if (!app::App::IsRegistered(u"KLVCTL32.KelvoTextEdit")) {
      std::cerr << "hello: KLVCTL32.OCX is not registered: register it with REGSVR32.EXE KLVCTL32.OCX\n";
      return 1;
    }
    BuildForm(app);
    return script ? app.RunScript(argv[2], std::cout) : app.Run();
  } catch (const std::exception& e) {
    std::cerr << "hello: " << e.what() << '\n';
    return 1;
  }
}

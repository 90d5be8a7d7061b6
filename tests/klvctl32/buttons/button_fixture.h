#pragma once
// The two buttons on a real headless form, in the built-in font, with events
// logged as the console prints them and 16-pixel test pictures drawn here.

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "klvctl32/buttons/activecommand.h"
#include "klvctl32/buttons/tbbutton.h"
#include "platform/base/text.h"
#include "platform/forms/application.h"
#include "platform/forms/stdobjects.h"
#include "platform/gfx/font.h"
#include "platform/win/window_system.h"
#include "test_site.h"

namespace kelvo::klvctl32::testing {

class ButtonTest : public ::testing::Test {
 protected:
  ButtonTest() {
    forms::RegisterControlClass(u"KLVCTL32.KelvoActiveCommand", [] { return com::MakeObject<KelvoActiveCommand>(); });
    forms::RegisterControlClass(u"KLVCTL32.KelvoTBButton", [] { return com::MakeObject<KelvoTBButton>(); });
    gfx::SetFontSource(gfx::FontSource::Builtin);
    Ws().SetScreenDpi(96);
  }

  static win::WindowSystem& Ws() { return win::WindowSystem::Get(); }

  forms::Form& NewForm(std::u16string_view name = u"frm", forms::FormOptions options = {}) {
    return app.CreateForm(name, options);
  }
  forms::Control& AddCommand(forms::Form& f, forms::TwipsRect rect, std::u16string_view name = u"c") {
    return f.AddControl(u"KLVCTL32.KelvoActiveCommand", name, rect);
  }
  forms::Control& AddToolbarButton(forms::Form& f, forms::TwipsRect rect, std::u16string_view name = u"b") {
    return f.AddControl(u"KLVCTL32.KelvoTBButton", name, rect);
  }
  template <class T = ButtonBase>
  static T& Button(forms::Control& c) {
    return dynamic_cast<T&>(*c.Instance());
  }

  static void Let(forms::Control& c, std::u16string_view prop, com::Variant value) {
    std::vector<com::Variant> args{std::move(value)};
    c.Extender()->Invoke(prop, com::InvokeKind::Let, args);
  }
  static void SetPicture(forms::Control& c, std::u16string_view prop, const gfx::Image& image) {
    std::vector<com::Variant> args{com::Variant::Object(forms::CreatePictureObject(image))};
    c.Extender()->Invoke(prop, com::InvokeKind::Set, args);
  }
  static void ClearPicture(forms::Control& c, std::u16string_view prop) {
    std::vector<com::Variant> args{com::Variant::Object({})};
    c.Extender()->Invoke(prop, com::InvokeKind::Set, args);
  }
  // A solid square picture of one colour.
  static gfx::Image Square(int edge, gfx::Rgb color) {
    gfx::Image image(edge, edge);
    for (int y = 0; y < edge; ++y)
      for (int x = 0; x < edge; ++x) image.SetRgb(x, y, color);
    return image;
  }

  forms::Application app;
};

}  // namespace kelvo::klvctl32::testing

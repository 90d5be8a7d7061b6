#pragma once
// An edit control of class T on a headless form in the built-in font, with
// the focus, assigned to by name as form code does.

#include <string>
#include <string_view>
#include <vector>

#include "platform/com/object.h"
#include "platform/forms/application.h"
#include "platform/gfx/font.h"

namespace kelvo::klvctl32 {

template <class T>
struct EditOnForm {
  EditOnForm(std::u16string progId, double width, double height) {
    forms::RegisterControlClass(progId, [] { return com::MakeObject<T>(); });
    gfx::SetFontSource(gfx::FontSource::Builtin);
    edit = &form.AddControl(progId, u"e", {0, 0, width, height});
    Let(u"AutoSelect", com::Variant::Boolean(false));
  }
  void Let(std::u16string_view name, com::Variant value) {
    std::vector<com::Variant> args{std::move(value)};
    edit->Extender()->Invoke(name, com::InvokeKind::Let, args);
  }
  forms::Application app;
  forms::Form& form = app.CreateForm(u"frm");
  forms::Control* edit = nullptr;
};

}  // namespace kelvo::klvctl32

// Environment and forms: screen factors, decimal separator, forms, form files,
// placing and removing controls.
#include <tuple>

#include "platform/base/environment.h"
#include "platform/base/text.h"
#include "platform/console/handlers.h"
#include "platform/console/values.h"
#include "platform/win/window_system.h"

namespace kelvo::console {
namespace {

forms::TwipsRect ToRect(const TwipsBox& box) { return {box.left, box.top, box.width, box.height}; }

forms::Form& Created(Session& s, std::u16string_view name, const forms::FormOptions& options) {
  forms::Form& form = s.App().CreateForm(name, options);
  s.App().SetCurrentForm(&form);
  return form;
}

}  // namespace

Outcome Run(Session&, const cmd::Dpi& c) {
  win::WindowSystem::Get().SetScreenDpi(c.dpi);
  return {};
}

Outcome Run(Session&, const cmd::Decimal& c) {
  env::SetDecimalSeparator(c.separator);
  return {};
}

Outcome Run(Session& s, const cmd::NewForm& c) {
  forms::FormOptions options;
  options.kind = c.mdiFrame ? forms::FormKind::MDIFrame : forms::FormKind::Normal;
  if (c.size) std::tie(options.clientWidth, options.clientHeight) = *c.size;
  if (c.at) options.origin = {c.at->first, c.at->second};
  options.design = c.design;
  Created(s, c.name, options);
  return {};
}

Outcome Run(Session& s, const cmd::NewChild& c) {
  forms::Form& frame = s.FormNamed(c.frame);
  if (!frame.IsMDIFrame()) throw ConsoleError(text::ToUtf8(c.frame) + " is not an MDI frame");
  forms::FormOptions options;
  options.kind = forms::FormKind::MDIChild;
  options.mdiFrame = &frame;
  if (c.size) std::tie(options.clientWidth, options.clientHeight) = *c.size;
  Created(s, c.name, options);
  return {};
}

Outcome Run(Session& s, const cmd::Use& c) {
  s.App().SetCurrentForm(&s.FormNamed(c.form));
  return {};
}

Outcome Run(Session& s, const cmd::Load& c) {
  forms::Form& form = s.App().LoadFormFile(ScriptPath(c.path), c.design);
  s.App().SetCurrentForm(&form);
  return {};
}

Outcome Run(Session& s, const cmd::Save& c) {
  s.App().SaveFormFile(s.CurrentForm(), ScriptPath(c.path));
  return {};
}

Outcome Run(Session& s, const cmd::Place& c) {
  forms::Form& form = s.CurrentForm();
  if (!c.loaded) {
    form.AddControl(c.progid, c.name.name, ToRect(c.rect), nullptr, c.name.index);
    return {};
  }
  forms::OrderedBag bag({}, std::filesystem::current_path());
  for (const KeyValue& kv : c.keys) bag.Set(kv.key, ToVariant(kv.value));
  form.ReadControl(c.progid, c.name.name, ToRect(c.rect), bag, nullptr, c.name.index);
  return {};
}

Outcome Run(Session& s, const cmd::Remove& c) {
  s.CurrentForm().RemoveControl(s.ControlNamed(c.control));
  return {};
}

}  // namespace kelvo::console

// The designer of the current form: placing tools, the property sheet and its
// buttons, closing, and what the designer shows (selection, changed flag,
// tabs, toolbox).
#include <cmath>

#include "platform/base/text.h"
#include "platform/console/handlers.h"
#include "platform/console/value_text.h"
#include "platform/forms/toolbox.h"
#include "platform/win/window_system.h"

namespace kelvo::console {
namespace {

int ToPixels(double twips, int tpp) { return static_cast<int>(std::lround(twips / tpp)); }

std::string Joined(const std::vector<std::string>& items, std::string_view separator) {
  std::string out;
  for (const std::string& item : items) {
    if (!out.empty()) out += separator;
    out += item;
  }
  return out;
}

std::string Selection(Session& s) {
  std::vector<std::string> names;
  for (const forms::Control* c : s.CurrentForm().SelectedControls()) names.push_back(text::ToUtf8(c->RefName()));
  return names.empty() ? "none" : Joined(names, " ");
}

// Captions quoted, the current tab's in brackets.
std::string Tabs(Session& s) {
  const forms::PropertySheet& sheet = s.Sheet();
  std::vector<std::string> tabs;
  const auto captions = sheet.TabCaptions();
  for (std::size_t i = 0; i < captions.size(); ++i) {
    const std::string quoted = QuoteString(captions[i]);
    tabs.push_back(static_cast<int>(i) == sheet.CurrentTab() ? "[" + quoted + "]" : quoted);
  }
  return Joined(tabs, " ");
}

std::string Toolbox() {
  std::vector<std::string> tools;
  for (const forms::Tool& tool : forms::RegisteredTools()) {
    tools.push_back(text::ToUtf8(tool.progid) + " " + std::to_string(tool.bitmap.width()) + "x" +
                    std::to_string(tool.bitmap.height()));
  }
  return tools.empty() ? "none" : Joined(tools, ", ");
}

}  // namespace

Outcome Run(Session& s, const cmd::DesignPlace& c) {
  forms::Form& form = s.CurrentForm();
  s.Designer().Place(c.progid, {ToPixels(c.x, form.TwipsPerPixelX()), ToPixels(c.y, form.TwipsPerPixelY())});
  return {};
}

Outcome Run(Session& s, const cmd::DesignSheet&) {
  s.Designer();
  s.OpenSheet(std::make_unique<forms::PropertySheet>(s.CurrentForm()));
  return {};
}

Outcome Run(Session& s, const cmd::DesignTab& c) {
  forms::PropertySheet& sheet = s.Sheet();
  const auto captions = sheet.TabCaptions();
  for (std::size_t i = 0; i < captions.size(); ++i) {
    if (captions[i] == c.caption) {
      sheet.ShowTab(static_cast<int>(i));
      return {};
    }
  }
  throw ConsoleError("the property sheet has no tab \"" + text::ToUtf8(c.caption) + "\"");
}

Outcome Run(Session& s, const cmd::DesignButton& c) {
  forms::PropertySheet& sheet = s.Sheet();
  switch (c.kind) {
    case cmd::DesignButton::Kind::Ok:
      sheet.Ok();
      break;
    case cmd::DesignButton::Kind::Cancel:
      sheet.Cancel();
      break;
    case cmd::DesignButton::Kind::Apply:
      sheet.Apply();
      break;
  }
  return {};
}

Outcome Run(Session& s, const cmd::DesignClose&) {
  forms::Form& form = s.CurrentForm();
  if (s.Designer().QueryClose()) s.App().UnloadForm(form);
  return {};
}

std::string DesignValue(Session& s, cmd::Simple::Kind kind) {
  using K = cmd::Simple::Kind;
  switch (kind) {
    case K::DesignSelection:
      return Selection(s);
    case K::DesignChanged:
      return s.Designer().Changed() ? "True" : "False";
    case K::DesignTabs:
      return Tabs(s);
    case K::DesignToolbox:
      return Toolbox();
    default:
      return {};
  }
}

}  // namespace kelvo::console

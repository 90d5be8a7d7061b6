// The table of in-process control classes and control creation.

#include "platform/forms/control_classes.h"

#include <filesystem>
#include <map>
#include <utility>

#include "platform/base/environment.h"
#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/com/loader.h"
#include "platform/com/registry.h"
#include "platform/forms/stdcontrols/register.h"

namespace kelvo::forms {
namespace {

std::u16string Upper(std::u16string_view s) { return text::UpperAnsi(s); }

std::map<std::u16string, ControlFactory>& InProcessClasses() {
  static std::map<std::u16string, ControlFactory> classes = [] {
    std::map<std::u16string, ControlFactory> c;
    for (auto& [progid, factory] : StandardControlClasses()) c.emplace(Upper(progid), std::move(factory));
    return c;
  }();
  return classes;
}

[[noreturn]] void CannotCreate(std::u16string_view progid, std::u16string_view reason) {
  throw com::Error(com::err::kCantCreateObject,
                   u"Can't create object: " + std::u16string(progid) + u" (" + std::u16string(reason) + u")");
}

}  // namespace

void RegisterControlClass(std::u16string progid, ControlFactory factory) {
  InProcessClasses()[Upper(progid)] = std::move(factory);
}

bool IsRegisteredControlClass(std::u16string_view progid) { return InProcessClasses().contains(Upper(progid)); }

std::optional<std::string> UnknownClassReason(std::u16string_view progid) {
  if (IsRegisteredControlClass(progid)) return std::nullopt;
  try {
    if (com::CLSIDFromProgID(progid)) return std::nullopt;
  } catch (const com::RegistryError& e) {
    return std::string("the registry cannot be read: ") + e.what();
  }
  const std::string name = text::ToUtf8(progid);
  const std::size_t dot = name.find('.');
  const std::string how = dot == std::string::npos
                              ? "register the library that serves it with REGSVR32.EXE"
                              : "register its library first, for example REGSVR32.EXE " + name.substr(0, dot) + ".OCX";
  std::error_code ec;
  const std::filesystem::path registry = env::RegistryFile();
  const std::string where = std::filesystem::exists(registry, ec) ? "" : " (there is no registry " + registry.string() + ")";
  return "class " + name + " is not registered" + where + ": " + how;
}

ControlObject CreateControlObject(std::u16string_view progid) {
  ControlObject made;
  const auto in = InProcessClasses().find(Upper(progid));
  if (in != InProcessClasses().end()) {
    made.control = in->second();
    if (!made.control) CannotCreate(progid, u"the class factory made no object");
    made.dispatch = com::QueryAs<com::IDispatch>(made.control, com::IID_IDispatch);
  } else {
    try {
      made.dispatch = com::CreateObject(progid);
    } catch (const com::RegistryError& e) {
      CannotCreate(progid, text::FromUtf8(e.what()));
    }
    made.control = com::QueryAs<IControl>(made.dispatch, IID_IControl);
    if (!made.control) CannotCreate(progid, u"the object is not a control");
  }
  if (!made.dispatch) CannotCreate(progid, u"the control has no dispatch interface");
  return made;
}

}  // namespace kelvo::forms

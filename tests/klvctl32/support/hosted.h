#pragma once
// A control of class T on a test site, created and initialized as the
// container does, with late-bound access to its members.

#include <span>
#include <string_view>

#include "platform/com/object.h"
#include "platform/com/variant.h"
#include "test_site.h"

namespace kelvo::klvctl32::testing {

template <class T>
struct Hosted {
  Hosted(int widthPx, int heightPx, int twipsPerPixel) : site(widthPx, heightPx, twipsPerPixel) {
    site.Attach(*control);
    control->Initialize();
  }

  // Assigns a property by name, as form code does.
  void Let(std::u16string_view name, com::Variant value) {
    com::Variant args[] = {std::move(value)};
    control->Invoke(name, com::InvokeKind::Let, args);
  }
  com::Variant Get(std::u16string_view name) { return control->Invoke(name, com::InvokeKind::Get, {}); }

  TestSite site;
  com::ComPtr<T> control = com::MakeObject<T>();
};

}  // namespace kelvo::klvctl32::testing

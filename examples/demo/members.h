#pragma once
// A control's members by name, through its extender, as form code reaches them.

#include <string_view>
#include <utility>
#include <vector>

#include "platform/forms/application.h"

namespace kelvo::demo {

inline com::Variant GetMember(forms::Control& control, std::u16string_view member) {
  return control.Extender()->Invoke(member, com::InvokeKind::Get, {});
}

inline void LetMember(forms::Control& control, std::u16string_view member, com::Variant value) {
  std::vector<com::Variant> args{std::move(value)};
  control.Extender()->Invoke(member, com::InvokeKind::Let, args);
}

}  // namespace kelvo::demo

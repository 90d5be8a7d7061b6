#pragma once
// Interface ids by type, for com::Object's QueryInterface (found by
// argument-dependent lookup in this namespace).

#include <type_traits>

#include "platform/forms/control.h"
#include "platform/forms/stdobjects.h"

namespace kelvo::forms {

inline const com::IID& InterfaceIdOf(std::type_identity<IControl>) { return IID_IControl; }
inline const com::IID& InterfaceIdOf(std::type_identity<IPropertyPage>) { return IID_IPropertyPage; }
inline const com::IID& InterfaceIdOf(std::type_identity<IFontObject>) { return IID_IFontObject; }
inline const com::IID& InterfaceIdOf(std::type_identity<IPictureObject>) { return IID_IPictureObject; }

}  // namespace kelvo::forms

#pragma once
// The designer's toolbox: the control classes registered in the registry,
// each with the toolbox bitmap its server registered.

#include <string>
#include <vector>

#include "platform/gfx/image.h"

namespace kelvo::forms {

struct Tool {
  std::u16string progid;
  gfx::Image bitmap;  // empty when the server has none or cannot be loaded
};

// Every class with a Control key, in ProgID order (a registry that cannot be
// read throws com::RegistryError).
std::vector<Tool> RegisteredTools();

}  // namespace kelvo::forms

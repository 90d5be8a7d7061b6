// The registry file reader on arbitrary bytes: it either refuses them with a
// RegistryError or gives a tree whose text reads back as the same tree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/com/registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  kelvo::com::RegistryTree tree;
  try {
    tree = kelvo::com::RegistryTree::Parse(text);
  } catch (const kelvo::com::RegistryError&) {
    return 0;
  }
  const std::string serialized = tree.Serialize();
  const kelvo::com::RegistryTree reread = kelvo::com::RegistryTree::Parse(serialized);
  if (!(reread == tree) || reread.Serialize() != serialized) std::abort();
  return 0;
}

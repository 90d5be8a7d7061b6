// The setup list file reader on arbitrary bytes: it either refuses them with
// a com::Error or gives a base name that is a plain file name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "kcsetup/list_file.h"
#include "platform/com/error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  kelvo::kcsetup::SetupList list;
  try {
    list = kelvo::kcsetup::ParseSetupList(bytes);
  } catch (const kelvo::com::Error& e) {
    if (e.number() != 52 && e.number() != 62) std::abort();
    return 0;
  }
  if (list.baseName.empty() || list.baseName.find(u'/') != std::u16string::npos || list.baseName == u"..") {
    std::abort();
  }
  return 0;
}

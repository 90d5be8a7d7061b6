// Command lines as the launcher splits them: any text is either split into
// words or refused with a runtime error.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/win/launcher.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string line = kelvo::text::FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    const auto words = kelvo::win::SplitCommandLine(line);
    if (words.empty()) __builtin_trap();  // a successful split always has a program
  } catch (const kelvo::com::Error&) {
  }
  return 0;
}

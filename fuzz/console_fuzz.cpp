// The console's parser on arbitrary text: every line either parses, is
// skipped, or gives a ParseError; nothing else may happen.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "platform/console/parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    const kelvo::console::ParsedLine parsed = kelvo::console::ParseLine(line, ++number);
    if (const auto* error = std::get_if<kelvo::console::ParseError>(&parsed)) {
      if (error->message.empty()) __builtin_trap();
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return 0;
}

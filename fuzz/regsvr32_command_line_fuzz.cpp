// Fuzzes the registration tool's command line: the input is split at zero
// bytes into arguments. A parse that succeeds names at least one path, unless
// it asks for help, and never an empty one.

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "tools/regsvr32/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> args;
  std::size_t start = 0;
  while (start <= input.size()) {
    const std::size_t end = std::min(input.find('\0', start), input.size());
    args.push_back(input.substr(start, end - start));
    start = end + 1;
  }
  try {
    const kelvo::regsvr32::CommandLine line = kelvo::regsvr32::ParseCommandLine(args);
    if (line.paths.empty() && !line.help) std::abort();
    for (const std::string& path : line.paths) {
      if (path.empty()) std::abort();
    }
  } catch (const kelvo::regsvr32::CommandLineError&) {
  }
  return 0;
}

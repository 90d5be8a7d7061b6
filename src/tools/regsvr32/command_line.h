#pragma once
// The registration tool's command line: flags and the library paths to process.

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo::regsvr32 {

struct CommandLine {
  bool silent = false;      // /s: report failures only
  bool unregister = false;  // /u: call DllUnregisterServer instead of DllRegisterServer
  bool help = false;        // /?, -?, -h, --help: show the usage and do nothing else
  std::vector<std::string> paths;
};

class CommandLineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name. Flags may stand anywhere and in
// any case ("/s", "/S", "-s"). Any argument starting with "-", and any
// two-character argument starting with "/", is a flag; every other argument is
// a path. Throws CommandLineError for an unknown flag, an empty path or no
// path (unless help is asked for).
CommandLine ParseCommandLine(std::span<const std::string_view> args);

// What to show when asked for help and after a CommandLineError.
std::string_view UsageText();

}  // namespace kelvo::regsvr32

#include "tools/regsvr32/command_line.h"

namespace kelvo::regsvr32 {
namespace {

bool IsFlag(std::string_view arg) {
  if (arg.size() > 1 && arg.front() == '-') return true;
  return arg.size() == 2 && arg.front() == '/';
}

char FlagLetter(std::string_view arg) {
  if (arg.size() != 2) return '\0';
  const char letter = arg[1];
  return (letter >= 'A' && letter <= 'Z') ? static_cast<char>(letter - 'A' + 'a') : letter;
}

void ApplyFlag(std::string_view arg, CommandLine& line) {
  if (arg == "--help") {
    line.help = true;
    return;
  }
  switch (FlagLetter(arg)) {
    case 's':
      line.silent = true;
      return;
    case 'u':
      line.unregister = true;
      return;
    case '?':
    case 'h':
      line.help = true;
      return;
    default:
      throw CommandLineError("Unknown option \"" + std::string(arg) + "\".");
  }
}

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string_view> args) {
  CommandLine line;
  for (const std::string_view arg : args) {
    if (arg.empty()) throw CommandLineError("An empty file name was given.");
    if (IsFlag(arg)) {
      ApplyFlag(arg, line);
    } else {
      line.paths.emplace_back(arg);
    }
  }
  if (line.paths.empty() && !line.help) throw CommandLineError("No library file was given.");
  return line;
}

std::string_view UsageText() {
  return "Usage: REGSVR32 [/s] [/u] PATH...\n"
         "       REGSVR32 /?\n"
         "\n"
         "Registers each component server PATH by calling its DllRegisterServer\n"
         "entry point, or unregisters it with /u (DllUnregisterServer).\n"
         "\n"
         "  /s, -s   silent: report failures only\n"
         "  /u, -u   unregister\n"
         "  /?, -h, --help   show this help\n"
         "\n"
         "Exit status: 0 all succeeded, 1 bad command line, 3 a library could not\n"
         "be loaded, 4 entry point missing, 5 entry point failed; with several\n"
         "files, the first failure decides.\n";
}

}  // namespace kelvo::regsvr32

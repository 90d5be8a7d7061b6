// REGSVR32 - register or unregister component server libraries
//
// SYNOPSIS
//   REGSVR32 [/s] [/u] PATH...
//
// DESCRIPTION
//   Loads each library PATH in turn and calls its DllRegisterServer entry
//   point, which writes the library's classes into the registry
//   ($KELVO_ROOT/registry); then unloads it. The tool itself writes nothing.
//   A PATH without a directory names a file in the current directory.
//
// OPTIONS
//   /u, -u   call DllUnregisterServer instead, removing the registration
//   /s, -s   silent: report only failures
//   /?, -h, --help   show the usage on standard output and exit 0
//   Options may stand anywhere and in any case. Any argument starting with
//   "-", and any two-character argument starting with "/", is an option; write
//   a file at the root such as "/x" as "/./x".
//
// OUTPUT
//   One line per library on standard error: success (unless /s), or what
//   failed - the loader's error, the missing entry point, the failure code in
//   hexadecimal (0x80040201) or the message of an escaping exception.
//
// EXIT STATUS
//   0 every call succeeded; 1 bad command line (usage is shown); 3 a library
//   could not be loaded; 4 its entry point is missing; 5 the entry point
//   failed. Every library is processed; the first failure decides the status.

#include <iostream>
#include <string_view>
#include <vector>

#include "tools/regsvr32/command_line.h"
#include "tools/regsvr32/registration_run.h"

int main(int argc, char** argv) {
  using namespace kelvo::regsvr32;
  std::vector<std::string_view> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  try {
    const CommandLine line = ParseCommandLine(args);
    if (line.help) {
      std::cout << UsageText();
      return kExitOk;
    }
    return RunRegistration(line, std::cerr);
  } catch (const CommandLineError& error) {
    std::cerr << "REGSVR32: " << error.what() << "\n\n" << UsageText();
    return kExitBadCommandLine;
  }
}

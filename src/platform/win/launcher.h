#pragma once
// The program launcher: runs a command line the way the original system's
// shell did. The first word names the program: a name without extension finds
// NAME.EXE in the named directory ("/x/REGSVR32" runs "/x/REGSVR32.EXE"), and
// NOTEPAD is the system text editor ($VISUAL, $EDITOR, else xdg-open). Words
// are separated by blanks; "/" is the path separator. A name without "/" is
// looked for in the current directory, the system directory and the PATH.
// Every start is recorded for the console's `shell` query.

#include <string>
#include <vector>

#include "platform/win/window_system.h"

namespace kelvo::win {

struct LaunchResult {
  int pid = 0;
};

// Splits a command line into words: blanks (space, tab) separate words, and
// double quotes group blanks into a word (the quotes themselves are dropped;
// "" is an empty word). Throws com::Error 5 for an empty command line, an
// unterminated quote or a null character.
std::vector<std::u16string> SplitCommandLine(const std::u16string& commandLine);
// Splits a command line into the program path and its arguments, resolving
// the program as above. Throws com::Error 53 when the program is not found.
std::vector<std::string> ResolveCommandLine(const std::u16string& commandLine);
// Starts the program without waiting (the window mode is recorded; a real
// backend may honour it). Throws com::Error 53 when the program is not found.
LaunchResult Shell(const std::u16string& commandLine, ShowMode mode);
// Starts the program and waits for it to end; returns its exit code.
int ShellAndWait(const std::u16string& commandLine, ShowMode mode);

}  // namespace kelvo::win

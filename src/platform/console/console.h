#pragma once
// The automation console: every program built on the platform's forms
// (formrun, the setup program, the demo) runs scripts with it. A script runs
// line by line on the headless backend with its virtual clock and the
// built-in font; the transcript goes to out and ends with the line
// "N passed, N failed". The language is the public contract described in
// CONSOLE.md.
//
// Value literals: integers are Integer when they fit 16 bits, else Long;
// decimals are Double; &H values are Long. Relative paths in commands (load,
// save, set ... picture, snapshot, read's picture keys) are relative to the
// working directory.

#include <istream>
#include <ostream>
#include <string>

#include "platform/forms/application.h"

namespace kelvo::console {

// Runs the whole script; returns the exit status: 0 when nothing failed, else
// 1. Throws std::runtime_error when the transcript cannot be written to out.
int RunScript(std::istream& in, std::ostream& out, forms::Application& app);
// The same for the script in a file, "-" meaning standard input; throws
// std::runtime_error when the file cannot be opened or read (a directory, a
// read error, more than 16 MiB).
int RunScriptFile(const std::string& path, std::ostream& out, forms::Application& app);

// Installs the headless backend unless it is the one in use, and draws every
// font with the built-in font, so that output is the same on every machine.
void UseHeadlessEnvironment();

}  // namespace kelvo::console

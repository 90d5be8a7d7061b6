#pragma once
// Runs the built REGSVR32.EXE as a child process with its own registry root.

#include <filesystem>
#include <string>
#include <vector>

namespace kelvo::regsvr32::harness {

struct ToolRun {
  int exit_code = -1;  // the exit status, or -(signal) when killed by one
  std::string errors;  // standard error
  std::string output;  // standard output
};

// Runs the tool with args, KELVO_ROOT set to root and, unless empty, the
// working directory set to cwd. Standard output and error are captured in
// files under root.
ToolRun RunTool(const std::vector<std::string>& args, const std::filesystem::path& root,
                const std::filesystem::path& cwd = {});

}  // namespace kelvo::regsvr32::harness

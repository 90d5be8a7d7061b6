#include "tool_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string_view>

#include <gtest/gtest.h>

extern char** environ;

namespace kelvo::regsvr32::harness {
namespace {

std::vector<std::string> EnvironmentWithRoot(const std::filesystem::path& root) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (!std::string_view(*entry).starts_with("KELVO_ROOT=")) env.emplace_back(*entry);
  }
  env.push_back("KELVO_ROOT=" + root.string());
  return env;
}

std::vector<char*> PointersTo(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FileActions {
 public:
  FileActions() { posix_spawn_file_actions_init(&actions_); }
  ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
  FileActions(const FileActions&) = delete;
  FileActions& operator=(const FileActions&) = delete;

  void Redirect(int fd, const std::filesystem::path& file) {
    posix_spawn_file_actions_addopen(&actions_, fd, file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  void ChangeDirectory(const std::filesystem::path& dir) {
    posix_spawn_file_actions_addchdir_np(&actions_, dir.c_str());
  }
  const posix_spawn_file_actions_t* get() const { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

int WaitForExit(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) throw std::runtime_error("waitpid failed");
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return WIFSIGNALED(status) ? -WTERMSIG(status) : -1;
}

}  // namespace

ToolRun RunTool(const std::vector<std::string>& args, const std::filesystem::path& root,
                const std::filesystem::path& cwd) {
  const std::filesystem::path out_file = root / "tool.stdout";
  const std::filesystem::path err_file = root / "tool.stderr";
  FileActions actions;
  actions.Redirect(STDOUT_FILENO, out_file);
  actions.Redirect(STDERR_FILENO, err_file);
  if (!cwd.empty()) actions.ChangeDirectory(cwd);

  std::vector<std::string> argv_strings{REGSVR32_EXE};
  argv_strings.insert(argv_strings.end(), args.begin(), args.end());
  std::vector<std::string> env_strings = EnvironmentWithRoot(root);
  std::vector<char*> argv = PointersTo(argv_strings);
  std::vector<char*> envp = PointersTo(env_strings);

  pid_t pid = 0;
  if (posix_spawn(&pid, REGSVR32_EXE, actions.get(), nullptr, argv.data(), envp.data()) != 0) {
    throw std::runtime_error("could not start " REGSVR32_EXE);
  }
  ToolRun run;
  run.exit_code = WaitForExit(pid);
  run.errors = ReadFile(err_file);
  run.output = ReadFile(out_file);
  return run;
}

}  // namespace kelvo::regsvr32::harness

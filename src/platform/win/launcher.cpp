// Starting programs: resolved as the original system's shell did, recorded
// for the console, and started with posix_spawn (no shell in between).

#include "platform/win/launcher.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>

#include "platform/base/text.h"
#include "platform/com/error.h"

extern char** environ;

namespace kelvo::win {
namespace {

// Programs started without waiting; reaped once they end so that none stays
// behind as a zombie.
std::mutex g_runningMutex;
std::vector<pid_t> g_running;

void ReapFinished() {
  std::lock_guard lock(g_runningMutex);
  std::erase_if(g_running, [](pid_t pid) {
    int status = 0;
    return ::waitpid(pid, &status, WNOHANG) != 0;
  });
}

com::Error StartFailure(int error, const std::string& program) {
  const std::u16string name = text::FromUtf8(program);
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return com::Error(com::err::kFileNotFound, u"File not found: " + name);
    case EACCES:
    case EPERM:
      return com::Error(com::err::kPermissionDenied, u"Permission denied: " + name);
    default:
      return com::Error(com::err::kInvalidCall, u"Cannot start " + name + u": " + text::FromUtf8(std::strerror(error)));
  }
}

pid_t Spawn(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  const int error = ::posix_spawn(&pid, argv.front().c_str(), nullptr, nullptr, args.data(), environ);
  if (error != 0) throw StartFailure(error, argv.front());
  return pid;
}

// Resolves, records (before the program can run) and starts.
pid_t Start(const std::u16string& commandLine, ShowMode mode) {
  const std::vector<std::string> argv = ResolveCommandLine(commandLine);
  WindowSystem::Get().RecordShell({.commandLine = commandLine, .mode = mode});
  return Spawn(argv);
}

// The exit code, or 128 plus the signal number for a program killed by a signal.
int WaitForExit(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      throw com::Error(com::err::kInvalidCall, u"Lost track of a started program: " + text::FromUtf8(std::strerror(errno)));
    }
  }
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

}  // namespace

LaunchResult Shell(const std::u16string& commandLine, ShowMode mode) {
  ReapFinished();
  const pid_t pid = Start(commandLine, mode);
  std::lock_guard lock(g_runningMutex);
  g_running.push_back(pid);
  return {.pid = pid};
}

int ShellAndWait(const std::u16string& commandLine, ShowMode mode) { return WaitForExit(Start(commandLine, mode)); }

}  // namespace kelvo::win

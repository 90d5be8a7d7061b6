// Finding the program a command line names, the way the original system's
// shell found it: NAME runs NAME.EXE when there is one, a bare name is looked
// for in the current directory, the system directory and the PATH, and
// NOTEPAD is the system text editor.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/base/environment.h"
#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/win/launcher.h"

namespace kelvo::win {
namespace {

namespace fs = std::filesystem;

bool IsNotepad(const std::u16string& word) {
  const std::u16string upper = text::UpperAnsi(word);
  return upper == u"NOTEPAD" || upper == u"NOTEPAD.EXE";
}

// The system text editor's command: $VISUAL, else $EDITOR, else xdg-open.
// A variable that holds no words is passed over.
std::vector<std::u16string> EditorCommand() {
  for (const char* variable : {"VISUAL", "EDITOR"}) {
    const char* value = std::getenv(variable);
    if (value == nullptr) continue;
    try {
      return SplitCommandLine(text::FromUtf8(value));
    } catch (const com::Error&) {
      continue;
    }
  }
  return {u"xdg-open"};
}

// A name without extension may be NAME.EXE (either case) or NAME itself.
std::vector<fs::path> CandidatesFor(const fs::path& path) {
  if (path.has_extension()) return {path};
  return {fs::path(path.string() + ".EXE"), fs::path(path.string() + ".exe"), path};
}

// Where a bare name is looked for: the current directory, the system
// directory, then every PATH entry (an empty entry is the current directory).
std::vector<fs::path> SearchDirectories() {
  std::vector<fs::path> dirs{fs::path(), env::SystemDirectory()};
  const char* pathVariable = std::getenv("PATH");
  std::string_view rest = pathVariable == nullptr ? std::string_view() : std::string_view(pathVariable);
  while (!rest.empty()) {
    const std::size_t colon = rest.find(':');
    dirs.emplace_back(rest.substr(0, colon));
    rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
  }
  return dirs;
}

std::vector<fs::path> CandidatesForWord(const std::u16string& word) {
  const fs::path given(text::ToUtf8(word));
  if (word.find(u'/') != std::u16string::npos) return CandidatesFor(given);
  std::vector<fs::path> candidates;
  for (const fs::path& dir : SearchDirectories()) {
    const std::vector<fs::path> here = CandidatesFor(dir / given);
    candidates.insert(candidates.end(), here.begin(), here.end());
  }
  return candidates;
}

bool IsRegularFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool IsExecutable(const fs::path& path) { return ::access(path.c_str(), X_OK) == 0; }

// The first candidate that is an executable file. A file found that may not
// be executed is reported as such rather than as missing.
fs::path FindProgram(const std::u16string& word) {
  if (word.empty()) throw com::Error(com::err::kFileNotFound, u"File not found: ");
  std::optional<fs::path> notExecutable;
  for (const fs::path& candidate : CandidatesForWord(word)) {
    if (!IsRegularFile(candidate)) continue;
    if (IsExecutable(candidate)) return candidate;
    if (!notExecutable) notExecutable = candidate;
  }
  if (notExecutable) {
    throw com::Error(com::err::kPermissionDenied, u"Permission denied: " + text::FromUtf8(notExecutable->string()));
  }
  throw com::Error(com::err::kFileNotFound, u"File not found: " + word);
}

}  // namespace

std::vector<std::string> ResolveCommandLine(const std::u16string& commandLine) {
  std::vector<std::u16string> words = SplitCommandLine(commandLine);
  if (IsNotepad(words.front())) {
    std::vector<std::u16string> editor = EditorCommand();
    words.erase(words.begin());
    words.insert(words.begin(), editor.begin(), editor.end());
  }
  std::vector<std::string> argv{FindProgram(words.front()).string()};
  for (auto it = words.begin() + 1; it != words.end(); ++it) argv.push_back(text::ToUtf8(*it));
  return argv;
}

}  // namespace kelvo::win

#pragma once
// Test scaffolding shared by every module's tests: a fresh temporary
// directory removed with everything in it afterwards, an environment variable
// set (or unset) for a test's length, and the two together as a temporary
// KELVO_ROOT, so that registry and system directory never touch the user's;
// and a file's bytes read whole.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace kelvo::testing {

class TempDir {
 public:
  TempDir() {
    // mkdtemp replaces the six trailing X's of its template.
    std::string pattern = (std::filesystem::temp_directory_path() / "kelvo-test-").string() + std::string(6, 'X');
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a directory like " + pattern);
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The file's bytes; empty when it cannot be read.
inline std::string ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = ::getenv(name)) old_ = old;
    Set(value);
  }
  ~ScopedEnv() { Set(old_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void Set(const std::optional<std::string>& value) {
    value ? ::setenv(name_, value->c_str(), 1) : ::unsetenv(name_);
  }
  const char* name_;
  std::optional<std::string> old_;
};

class TempRoot {
 public:
  const std::filesystem::path& dir() const { return dir_.path(); }
  std::filesystem::path registry() const { return dir() / "registry"; }

 private:
  TempDir dir_;
  ScopedEnv root_{"KELVO_ROOT", dir_.path().string()};
};

}  // namespace kelvo::testing

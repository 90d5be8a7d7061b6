#pragma once
// A fresh temporary directory used as KELVO_ROOT for one test, removed with
// everything in it afterwards; the previous KELVO_ROOT comes back.

#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

namespace kelvo::testing {

class TempRoot {
 public:
  TempRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kelvo-test-XXXXXX").string();
    dir_ = ::mkdtemp(pattern.data());
    if (const char* old = ::getenv("KELVO_ROOT")) previous_ = old;
    ::setenv("KELVO_ROOT", dir_.c_str(), 1);
  }
  ~TempRoot() {
    if (previous_) {
      ::setenv("KELVO_ROOT", previous_->c_str(), 1);
    } else {
      ::unsetenv("KELVO_ROOT");
    }
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  TempRoot(const TempRoot&) = delete;
  TempRoot& operator=(const TempRoot&) = delete;

  const std::filesystem::path& dir() const { return dir_; }

 private:
  std::filesystem::path dir_;
  std::optional<std::string> previous_;
};

}  // namespace kelvo::testing

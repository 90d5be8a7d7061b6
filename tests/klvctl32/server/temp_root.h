#pragma once
// A temporary KELVO_ROOT for the life of a test: the registry and the system
// directory go there, and the previous value comes back afterwards.

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace kelvo::klvctl32::testing {

class TempRoot {
 public:
  TempRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "klvctl32-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
    if (const char* old = std::getenv("KELVO_ROOT")) old_ = old;
    setenv("KELVO_ROOT", dir_.c_str(), 1);
  }
  ~TempRoot() {
    if (old_) {
      setenv("KELVO_ROOT", old_->c_str(), 1);
    } else {
      unsetenv("KELVO_ROOT");
    }
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  TempRoot(const TempRoot&) = delete;
  TempRoot& operator=(const TempRoot&) = delete;

  const std::filesystem::path& dir() const { return dir_; }
  std::filesystem::path registry() const { return dir_ / "registry"; }

 private:
  std::filesystem::path dir_;
  std::optional<std::string> old_;
};

}  // namespace kelvo::klvctl32::testing

#pragma once
// The registry: a text file of keys (sections) holding typed values. Writers
// take an exclusive lock, re-read the file, apply their change, write a
// temporary file, flush it and rename it over the old one, so a reader always
// sees a whole file and keys nobody touched survive. A file that cannot be
// parsed is refused with a RegistryError naming the line, and left untouched.
//
// Key paths use "\" between names and compare case-insensitively, keeping the
// case they were created with ("HKEY_CLASSES_ROOT\CLSID\{...}").

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kelvo::com {

class RegistryError : public std::runtime_error {
 public:
  RegistryError(const std::string& what, int line) : std::runtime_error(what), line_(line) {}
  int line() const { return line_; }  // 0 when not about a line of the file

 private:
  int line_;
};

struct RegValue {
  enum class Kind : std::uint8_t { String, Dword };
  Kind kind = Kind::String;
  std::string text;          // UTF-8, for String
  std::uint32_t number = 0;  // for Dword

  static RegValue Str(std::string s) { return {Kind::String, std::move(s), 0}; }
  static RegValue Dword(std::uint32_t n) { return {Kind::Dword, {}, n}; }
  friend bool operator==(const RegValue&, const RegValue&) = default;
};

class RegistryTree {
 public:
  static RegistryTree Parse(std::string_view text);  // throws RegistryError
  std::string Serialize() const;

  bool HasKey(std::string_view path) const;
  void CreateKey(std::string_view path);                                                 // and its parents
  bool DeleteKey(std::string_view path);                                                 // with every subkey
  std::optional<RegValue> GetValue(std::string_view path, std::string_view name) const;  // "" = default value
  void SetValue(std::string_view path, std::string_view name, RegValue value);           // creates the key
  bool DeleteValue(std::string_view path, std::string_view name);
  std::vector<std::string> SubKeys(std::string_view path) const;  // immediate children, names only
  std::vector<std::pair<std::string, RegValue>> Values(std::string_view path) const;
  std::vector<std::string> Keys() const;  // every key path, in file order

  friend bool operator==(const RegistryTree&, const RegistryTree&);

 private:
  struct Key {
    std::string path;
    std::vector<std::pair<std::string, RegValue>> values;
  };
  std::vector<Key> keys_;
  // Position in keys_ by the path folded to upper case, so that finding a key
  // costs the same however many keys there are.
  std::unordered_map<std::string, std::size_t> index_;
  Key* FindKey(std::string_view path);
  const Key* FindKey(std::string_view path) const;
  void Reindex();
};

class Registry {
 public:
  explicit Registry(std::filesystem::path file);
  const std::filesystem::path& file() const { return file_; }

  // The whole registry as it is now; a missing file is an empty registry.
  RegistryTree Read() const;
  // The same, shared and kept for the process: the file is parsed again only
  // when it was replaced since (by any process), so lookups repeated for every
  // object a program creates cost no parsing.
  std::shared_ptr<const RegistryTree> Snapshot() const;
  // Applies change under the exclusive lock and writes the result atomically.
  // If change throws, nothing is written.
  void Update(const std::function<void(RegistryTree&)>& change);

 private:
  std::filesystem::path file_;
};

// The registry of this machine: env::RegistryFile().
Registry SystemRegistry();

// The last RegistryError a Registry raised in this process, empty after
// ClearRegistryFailure: a tool that only sees a server's failure code (the
// server caught the error) can still tell the user the cause.
std::string LastRegistryFailure();
void ClearRegistryFailure();

}  // namespace kelvo::com

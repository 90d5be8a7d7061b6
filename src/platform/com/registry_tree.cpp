// The registry's keys and values in memory: case-insensitive paths that keep
// the case they were created with, keys and values in insertion order.
#include <algorithm>

#include "platform/com/registry.h"

namespace kelvo::com {
namespace {

char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool NamesMatch(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

// True when path is a key somewhere below parent.
bool IsBelow(std::string_view path, std::string_view parent) {
  return path.size() > parent.size() + 1 && path[parent.size()] == '\\' &&
         NamesMatch(path.substr(0, parent.size()), parent);
}

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

// Key paths are non-empty names separated by "\", without control characters,
// so that every key fits on one "[...]" line of the file.
void CheckPath(std::string_view path) {
  const bool emptyName =
      path.empty() || path.front() == '\\' || path.back() == '\\' || path.find("\\\\") != std::string_view::npos;
  if (emptyName || std::any_of(path.begin(), path.end(), IsControl)) {
    throw RegistryError("expected a key path of non-empty names separated by '\\' without control characters", 0);
  }
}

std::string Folded(std::string_view name) {
  std::string out(name);
  std::transform(out.begin(), out.end(), out.begin(), FoldAscii);
  return out;
}

template <class Keys, class Index>
auto FindIn(Keys& keys, const Index& index, std::string_view path) {
  const auto it = index.find(Folded(path));
  return it == index.end() ? nullptr : &keys[it->second];
}

template <class Values>
auto FindValue(Values& values, std::string_view name) {
  return std::find_if(values.begin(), values.end(), [&](const auto& v) { return NamesMatch(v.first, name); });
}

}  // namespace

RegistryTree::Key* RegistryTree::FindKey(std::string_view path) { return FindIn(keys_, index_, path); }

const RegistryTree::Key* RegistryTree::FindKey(std::string_view path) const { return FindIn(keys_, index_, path); }

void RegistryTree::Reindex() {
  index_.clear();
  for (std::size_t i = 0; i < keys_.size(); ++i) index_.emplace(Folded(keys_[i].path), i);
}

bool RegistryTree::HasKey(std::string_view path) const { return FindKey(path) != nullptr; }

// Missing keys along the path are appended; a new key's parent part is
// spelled as the existing parent is.
void RegistryTree::CreateKey(std::string_view path) {
  CheckPath(path);
  std::string spelled;
  for (std::size_t start = 0;;) {
    const std::size_t end = path.find('\\', start);
    const std::string_view name = path.substr(start, end == std::string_view::npos ? end : end - start);
    spelled = spelled.empty() ? std::string(name) : spelled + '\\' + std::string(name);
    if (const Key* key = FindKey(spelled)) {
      spelled = key->path;
    } else {
      index_.emplace(Folded(spelled), keys_.size());
      keys_.push_back({spelled, {}});
    }
    if (end == std::string_view::npos) return;
    start = end + 1;
  }
}

bool RegistryTree::DeleteKey(std::string_view path) {
  if (FindKey(path) == nullptr) return false;
  std::erase_if(keys_, [&](const Key& k) { return NamesMatch(k.path, path) || IsBelow(k.path, path); });
  Reindex();
  return true;
}

std::optional<RegValue> RegistryTree::GetValue(std::string_view path, std::string_view name) const {
  const Key* key = FindKey(path);
  if (key == nullptr) return std::nullopt;
  const auto it = FindValue(key->values, name);
  if (it == key->values.end()) return std::nullopt;
  return it->second;
}

void RegistryTree::SetValue(std::string_view path, std::string_view name, RegValue value) {
  CreateKey(path);
  Key* key = FindKey(path);
  const auto it = FindValue(key->values, name);
  if (it != key->values.end()) {
    it->second = std::move(value);
  } else {
    key->values.emplace_back(std::string(name), std::move(value));
  }
}

bool RegistryTree::DeleteValue(std::string_view path, std::string_view name) {
  Key* key = FindKey(path);
  if (key == nullptr) return false;
  const auto it = FindValue(key->values, name);
  if (it == key->values.end()) return false;
  key->values.erase(it);
  return true;
}

std::vector<std::string> RegistryTree::SubKeys(std::string_view path) const {
  std::vector<std::string> names;
  for (const Key& k : keys_) {
    if (!IsBelow(k.path, path)) continue;
    const std::string_view rest = std::string_view(k.path).substr(path.size() + 1);
    if (rest.find('\\') == std::string_view::npos) names.emplace_back(rest);
  }
  return names;
}

std::vector<std::pair<std::string, RegValue>> RegistryTree::Values(std::string_view path) const {
  const Key* key = FindKey(path);
  return key == nullptr ? std::vector<std::pair<std::string, RegValue>>{} : key->values;
}

std::vector<std::string> RegistryTree::Keys() const {
  std::vector<std::string> paths;
  paths.reserve(keys_.size());
  for (const Key& k : keys_) paths.push_back(k.path);
  return paths;
}

bool operator==(const RegistryTree& a, const RegistryTree& b) {
  return std::equal(
      a.keys_.begin(), a.keys_.end(), b.keys_.begin(), b.keys_.end(),
      [](const RegistryTree::Key& x, const RegistryTree::Key& y) { return x.path == y.path && x.values == y.values; });
}

}  // namespace kelvo::com

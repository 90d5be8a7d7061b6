#pragma once
// The container's property bag: ordered key -> Variant, what ReadProperties
// reads and WriteProperties writes, in written order.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/com/variant.h"
#include "platform/forms/control.h"

namespace kelvo::forms {

// Keys compare case-insensitively and keep the case they were first written
// with. Read converts the stored value to the default's type when the default
// is a Boolean, Integer, Long, Single, Double or String (conversion errors are
// com::Error 6 or 13). With an object default (Nothing), a stored string is a
// picture file, relative to the bag's base directory (the form file's folder):
// Read loads it into a picture object (com::Error 53 or 481 when it cannot).
class OrderedBag final : public IPropertyBag {
 public:
  using Item = std::pair<std::u16string, com::Variant>;

  OrderedBag() = default;
  explicit OrderedBag(std::vector<Item> items, std::filesystem::path baseDirectory = {});

  com::Variant Read(std::u16string_view key, const com::Variant& defaultValue) override;
  // Stores every written key, also one equal to its default; a key written
  // again keeps its first position and takes the new value.
  void Write(std::u16string_view key, const com::Variant& value, const com::Variant& defaultValue) override;

  // Appends or replaces, like Write.
  void Set(std::u16string_view key, com::Variant value);
  // The stored value as stored, or nothing.
  std::optional<com::Variant> Find(std::u16string_view key) const;
  bool Remove(std::u16string_view key);
  const std::vector<Item>& Items() const { return items_; }
  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }

  // The key of the last stored value Read was asked for, so that a value the
  // control refuses can be named; empty before the first.
  const std::u16string& LastKeyRead() const { return lastKeyRead_; }

  const std::filesystem::path& BaseDirectory() const { return baseDirectory_; }
  void SetBaseDirectory(std::filesystem::path dir) { baseDirectory_ = std::move(dir); }

 private:
  std::vector<Item>::iterator Locate(std::u16string_view key);
  std::vector<Item>::const_iterator Locate(std::u16string_view key) const;

  std::vector<Item> items_;
  std::filesystem::path baseDirectory_;
  std::u16string lastKeyRead_;
};

}  // namespace kelvo::forms

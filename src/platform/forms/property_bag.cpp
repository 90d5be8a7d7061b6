// The ordered property bag.

#include "platform/forms/property_bag.h"

#include <algorithm>

#include "platform/com/typeinfo.h"
#include "platform/forms/stdobjects.h"

namespace kelvo::forms {
namespace {

bool IsScalar(com::Variant::Type t) {
  using T = com::Variant::Type;
  return t == T::Boolean || t == T::Integer || t == T::Long || t == T::Single || t == T::Double || t == T::String;
}

// A string stored where an object is read names a picture file.
com::Variant PictureFromPath(const com::Variant& stored, const std::filesystem::path& base) {
  const std::u16string path = stored.ToString();
  if (path.empty()) return com::Variant::Object(nullptr);
  std::filesystem::path file(path);
  if (file.is_relative() && !base.empty()) file = base / file;
  return com::Variant::Object(LoadPictureObject(file));
}

}  // namespace

OrderedBag::OrderedBag(std::vector<Item> items, std::filesystem::path baseDirectory)
    : baseDirectory_(std::move(baseDirectory)) {
  for (Item& item : items) Set(item.first, std::move(item.second));
}

std::vector<OrderedBag::Item>::iterator OrderedBag::Locate(std::u16string_view key) {
  return std::find_if(items_.begin(), items_.end(), [key](const Item& i) { return com::NamesEqual(i.first, key); });
}

std::vector<OrderedBag::Item>::const_iterator OrderedBag::Locate(std::u16string_view key) const {
  return std::find_if(items_.begin(), items_.end(), [key](const Item& i) { return com::NamesEqual(i.first, key); });
}

com::Variant OrderedBag::Read(std::u16string_view key, const com::Variant& defaultValue) {
  const auto it = Locate(key);
  if (it == items_.end()) return defaultValue;
  lastKeyRead_ = it->first;
  const com::Variant& stored = it->second;
  if (defaultValue.IsObject() && stored.IsString()) return PictureFromPath(stored, baseDirectory_);
  if (IsScalar(defaultValue.type()) && stored.type() != defaultValue.type() && IsScalar(stored.type())) {
    return stored.ConvertTo(defaultValue.type());
  }
  return stored;
}

void OrderedBag::Write(std::u16string_view key, const com::Variant& value, const com::Variant& /*defaultValue*/) {
  Set(key, value);
}

void OrderedBag::Set(std::u16string_view key, com::Variant value) {
  const auto it = Locate(key);
  if (it != items_.end()) {
    it->second = std::move(value);
  } else {
    items_.emplace_back(std::u16string(key), std::move(value));
  }
}

std::optional<com::Variant> OrderedBag::Find(std::u16string_view key) const {
  const auto it = Locate(key);
  if (it == items_.end()) return std::nullopt;
  return it->second;
}

bool OrderedBag::Remove(std::u16string_view key) {
  const auto it = Locate(key);
  if (it == items_.end()) return false;
  items_.erase(it);
  return true;
}

}  // namespace kelvo::forms

#include "platform/com/typeinfo.h"

namespace kelvo::com {
namespace {

char16_t FoldAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c; }

template <class Item>
const Item* FindByName(const std::vector<Item>& items, std::u16string_view name) {
  for (const auto& item : items) {
    if (NamesEqual(item.name, name)) return &item;
  }
  return nullptr;
}

}  // namespace

bool NamesEqual(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

// FNV-1a over the folded characters.
std::size_t NameHash(std::u16string_view name) {
  std::size_t h = 14695981039346656037ull;
  for (const char16_t c : name) h = (h ^ FoldAscii(c)) * 1099511628211ull;
  return h;
}

const MemberInfo* InterfaceInfo::Find(std::u16string_view member, MemberKind kind) const {
  for (const auto& m : members) {
    if (m.kind == kind && NamesEqual(m.name, member)) return &m;
  }
  return nullptr;
}

const MemberInfo* InterfaceInfo::Find(std::u16string_view member) const { return FindByName(members, member); }

const EventInfo* EventInterfaceInfo::Find(std::u16string_view event) const { return FindByName(events, event); }

int EventInterfaceInfo::Number(std::u16string_view event) const {
  const EventInfo* e = Find(event);
  return e == nullptr ? 0 : static_cast<int>(e - events.data()) + 1;
}

const CoClassInfo* TypeLibInfo::FindClass(const CLSID& clsid) const {
  for (const CoClassInfo* c : classes) {
    if (c->clsid == clsid) return c;
  }
  return nullptr;
}

const CoClassInfo* TypeLibInfo::FindClass(std::u16string_view className) const {
  for (const CoClassInfo* c : classes) {
    if (NamesEqual(c->name, className)) return c;
  }
  return nullptr;
}

}  // namespace kelvo::com
